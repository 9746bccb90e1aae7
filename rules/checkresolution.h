#pragma once

#include <QString>

// The arithmetic of a check against an opponent and of the damage a failed
// dodge lets through.

// The opposing modifier a check takes from an enemy row: the row's dodge
// against a hit, its hit against a dodge, nothing for other checks.
[[nodiscard]] qint32 opposingModifier(int checkType, qint32 enemyHit, qint32 enemyDodge);

// A check succeeds when modifier + roll (+1 for a dodge, which wins ties)
// exceeds the opposing modifier + the opposing roll.
[[nodiscard]] bool checkSucceeds(int checkType, qint32 modifier, qint32 roll, qint32 opposing, qint32 opposingRoll);

// The fixed opposing roll of the fixed opposition mode.
inline constexpr qint32 FixedOpposingRoll = 7;

// The HP lost to an enemy's damage roll with its damage modifier, less the
// protection; a damage roll of 2 never hurts.
[[nodiscard]] qint32 damageLoss(qint32 damageRoll, qint32 damageModifier, qint32 protection);

// A check line: the check type's log prefix, then the check roll text.
[[nodiscard]] QString checkLine(int checkType, const QString &diceText, qint32 modifier);

// The opposition modes: the opposing side rolls 2D6, or counts as 7.
namespace OppositionMode {
inline constexpr int Random = 0;
inline constexpr int Fixed = 1;
} // namespace OppositionMode

// What the fixed mode shows for an opposing modifier, the modifier plus the
// fixed roll, and the modifier a fixed value stands for.
[[nodiscard]] qint32 fixedValueOf(qint32 modifier) noexcept;
[[nodiscard]] qint32 modifierOfFixed(qint32 fixedValue) noexcept;
