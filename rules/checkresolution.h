#pragma once

#include "rules/checksetup.h"
#include "rules/random.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

// The arithmetic of a check against an opponent and of the damage a failed
// dodge lets through, and what one click of Dice Roll decides per target.
// The command and its odds both go through here.

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

// What a click of Dice Roll reads once, for all its targets.
struct DiceRollSetup
{
    int checkType = CheckType::General;
    // Base value plus temporary modifier.
    qint32 modifier = 0;
    TargetMode targetMode = TargetMode::None;
    bool randomOpposition = false;
    // The rating roll follows a check that did not fail.
    bool chainsRating = false;
    // A failed dodge costs HP, less the protection.
    bool hpTarget = false;
    qint32 protection = 0;
    // The fight's books are kept: a hit's chained rating roll costs the enemy
    // row HP, and all enemies passes over the rows that are down.
    bool keepsBooks = false;
};

// The enemy row a hit's rating roll costs HP while the books are kept.
struct HitTarget
{
    QString name;
    qint32 presentHp = 0;
    qint32 protection = 0;
};

// What a check against one target reads besides the setup.
struct TargetValues
{
    // The opposing modifier; target mode none compares nothing.
    qint32 opposing = 0;
    // The damage modifier of the enemy row whose blow a failed dodge takes;
    // none without such a row, and for every other check.
    std::optional<qint32> damageModifier;
    // The enemy row a hit of a rating roll takes HP from; none unless the
    // books are kept, for a hit against an enemy.
    std::optional<HitTarget> hitTarget{};
};

// The indices a click works through, in ascending order: every enemy row
// with all enemies, else the row chosen, which in target modes none and
// number serves only the damage step and may be none (-1).
struct TargetRange
{
    qint32 first = 0;
    qint32 last = -1;

    [[nodiscard]] bool isEmpty() const noexcept { return last < first; }
    [[nodiscard]] qint64 size() const noexcept { return isEmpty() ? 0 : qint64(last) - first + 1; }
};
// Whether an index names an enemy row, as the damage step needs.
[[nodiscard]] bool isEnemyRow(qint32 index, qint32 rowCount) noexcept;

// Why a command has nothing to roll.
enum class NothingToRoll { NoCheckType, NoEnemyChosen, NoEnemies, NoRating, NoEnemyStanding };

// An enemy at 0 HP or less is down.
[[nodiscard]] constexpr bool isDown(qint32 presentHp) noexcept
{
    return presentHp <= 0;
}

// What one click of Dice Roll works through, worked out once for the command
// and for its odds: its targets, or what is missing (no check type; one
// enemy, but none chosen; all enemies, but there are none, or none standing).
struct DiceRollPlan
{
    std::optional<NothingToRoll> missing;
    // Empty when something is missing.
    TargetRange range;
    // The rows of the range passed over, ascending: with the books kept, all
    // enemies passes over the rows that are down.
    QList<qint32> passedOver;

    [[nodiscard]] qint64 targetCount() const noexcept { return range.size() - passedOver.size(); }
    // The targets in ascending order: the first, and the one after i; none
    // past the last.
    [[nodiscard]] std::optional<qint32> firstTarget() const;
    [[nodiscard]] std::optional<qint32> nextTarget(qint32 i) const;

private:
    [[nodiscard]] std::optional<qint32> targetFrom(qint64 i) const;
};
// The present HP of enemy row r, read only where rows may be passed over.
using PresentHpOf = std::function<qint32(qint32 r)>;
[[nodiscard]] DiceRollPlan planDiceRoll(const std::optional<DiceRollSetup> &setup, qint32 chosenRow, qint32 rowCount,
                                        const PresentHpOf &presentHp = {});

// One enemy row's values that a check against it reads, as the roster's
// controls hold them.
struct EnemyValues
{
    QString name;
    qint32 hitModifier = 0;
    qint32 dodgeModifier = 0;
    qint32 damageModifier = 0;
    qint32 presentHp = 0;
    qint32 protection = 0;
};
// What the console reads for one index of the range.
struct TargetInputs
{
    // The opposing modifier of the number field, for target mode number.
    qint32 number = 0;
    // The enemy row the index names; none where it names no row.
    std::optional<EnemyValues> row;
};
// The opposing modifier and, for a dodge against a row, the blow that
// follows a failed one: everything after this asks only whether the target
// has a blow.
[[nodiscard]] TargetValues targetValues(const DiceRollSetup &setup, const TargetInputs &inputs);
// How the Dice Roll tool tip names a target: the enemy's name, or the
// opposing value the target group shows in target mode number; nothing in
// target mode none.
[[nodiscard]] QString targetName(const DiceRollSetup &setup, const TargetInputs &inputs);

// A natural 2 fails in every target mode.
[[nodiscard]] constexpr bool isNaturalTwo(qint32 roll) noexcept
{
    return roll == 2;
}
// Only a roll that is not a natural 2 is compared, and only in target modes
// other than none; in random opposition mode only a compared roll draws the
// opposing dice.
[[nodiscard]] bool isCompared(TargetMode mode, qint32 roll) noexcept;
[[nodiscard]] bool drawsOpposingDice(const DiceRollSetup &setup, qint32 roll) noexcept;

// What a check against one target comes to.
struct CheckOutcome
{
    // The verdict written after the check roll: none in target mode none.
    std::optional<bool> verdict;
    // The success flag after this target. A click sets it once, to true; a
    // compared verdict replaces it, anything else keeps it.
    bool success = true;
    // The rating roll follows.
    bool chainsRating = false;
    // The enemy's blow follows: a failed dodge, or a dodge's natural 2.
    bool damageStep = false;
    // The chained rating roll costs the hit enemy HP.
    bool takesHitDamage = false;
};
// The opposing roll matters only where the roll is compared.
[[nodiscard]] CheckOutcome checkOutcome(const DiceRollSetup &setup, const TargetValues &target, qint32 roll,
                                        qint32 opposingRoll, bool previousSuccess) noexcept;
// The HP a damage roll costs: none unless the power target is HP.
[[nodiscard]] qint32 hpLoss(const DiceRollSetup &setup, qint32 damageRoll, qint32 damageModifier);

// One target's check as the command rolls it: the check dice, then the
// opposing dice where it takes them (never logged), and the check line.
struct CheckRoll
{
    QString line;
    CheckOutcome outcome;
};
[[nodiscard]] CheckRoll rollCheck(RandomSource &random, const DiceRollSetup &setup, const TargetValues &target,
                                  bool previousSuccess);

// The enemy's blow after a failed dodge: its dice, the HP it costs and the
// damage line.
struct DamageRoll
{
    QString line;
    qint32 loss = 0;
};
[[nodiscard]] DamageRoll rollDamage(RandomSource &random, const DiceRollSetup &setup, qint32 damageModifier);

// What a hit's rating total costs the enemy: the total less its protection,
// never below 0, so that no hit heals; nothing without a total, after a
// first result of 2.
[[nodiscard]] qint32 hitLoss(std::optional<qint32> total, qint32 protection) noexcept;
// The line that follows the rating line, "=> name: HP before - loss =
// after", and the present HP it leaves.
struct HitDamage
{
    QString line;
    qint32 presentHp = 0;
};
[[nodiscard]] HitDamage hitDamage(const HitTarget &target, std::optional<qint32> total);
