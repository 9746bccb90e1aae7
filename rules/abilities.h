#pragma once

#include <QtGlobal>

// What the character sheet derives from the six abilities and the two levels.

// An ability's bonus: its value divided by 6, truncated toward zero, so 17
// gives 2 and -7 gives -1.
[[nodiscard]] constexpr qint32 abilityBonus(qint32 ability) noexcept
{
    return ability / 6;
}

// A resistance: the adventurer level plus the bonus of vitality or spirit.
// Both resistances grow with the adventurer level, whatever the skills.
[[nodiscard]] qint32 resistance(qint32 adventurerLevel, qint32 bonus) noexcept;

// A maximum of HP or MP: three per level plus the ability itself. HP takes
// the adventurer level and vitality, MP the magic level and spirit.
[[nodiscard]] qint32 maximumPoints(qint32 level, qint32 ability) noexcept;
