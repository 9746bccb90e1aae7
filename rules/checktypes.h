#pragma once

#include <QString>

#include <array>

// The eight kinds of check and the six abilities, fixed when the program is
// built. A check type is an index 0 to 7, an ability an index 0 to 5.

inline constexpr int CheckTypeCount = 8;
inline constexpr int AbilityCount = 6;

namespace CheckType {
inline constexpr int General = 0;
inline constexpr int Hit = 1;
inline constexpr int Dodge = 2;
inline constexpr int Magic = 3;
inline constexpr int Initiative = 4;
inline constexpr int MonsterKnowledge = 5;
inline constexpr int VitalityResistance = 6;
inline constexpr int SpiritResistance = 7;
} // namespace CheckType

namespace Ability {
inline constexpr int Dexterity = 0;
inline constexpr int Agility = 1;
inline constexpr int Strength = 2;
inline constexpr int Vitality = 3;
inline constexpr int Intelligence = 4;
inline constexpr int Spirit = 5;
} // namespace Ability

[[nodiscard]] const std::array<QString, CheckTypeCount> &checkTypeNames();
// The ability preselected per check type, -1 for none.
[[nodiscard]] const std::array<int, CheckTypeCount> &defaultAbility();
// The log prefix per check type; each ends in one blank.
[[nodiscard]] const std::array<QString, CheckTypeCount> &logPrefix();
// The verdicts, indexed by the success flag: 0 failed, 1 success.
[[nodiscard]] const std::array<QString, 2> &checkResultText();
// The ability names in index order.
[[nodiscard]] const std::array<QString, AbilityCount> &abilityNames();
