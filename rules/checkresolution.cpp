#include "rules/checkresolution.h"

#include "rules/checktypes.h"
#include "rules/dice.h"
#include "rules/inttext.h"

#include <algorithm>

using namespace Qt::StringLiterals;

qint32 opposingModifier(int checkType, qint32 enemyHit, qint32 enemyDodge)
{
    switch (checkType) {
    case CheckType::Hit:
        return enemyDodge;
    case CheckType::Dodge:
        return enemyHit;
    default:
        return 0;
    }
}

bool checkSucceeds(int checkType, qint32 modifier, qint32 roll, qint32 opposing, qint32 opposingRoll)
{
    const qint32 tieBonus = checkType == CheckType::Dodge ? 1 : 0;
    return wrapAdd(wrapAdd(modifier, roll), tieBonus) > wrapAdd(opposing, opposingRoll);
}

qint32 damageLoss(qint32 damageRoll, qint32 damageModifier, qint32 protection)
{
    const qint32 damage = wrapAdd(damageRoll, damageModifier);
    if (damageRoll == 2 || protection >= damage)
        return 0;
    return wrapSub(damage, protection);
}

QString checkLine(int checkType, const QString &diceText, qint32 modifier)
{
    return logPrefix().at(checkType) + formatCheckRoll(diceText, modifier);
}

qint32 fixedValueOf(qint32 modifier) noexcept
{
    return wrapAdd(modifier, FixedOpposingRoll);
}

qint32 modifierOfFixed(qint32 fixedValue) noexcept
{
    return wrapSub(fixedValue, FixedOpposingRoll);
}

bool isEnemyRow(qint32 index, qint32 rowCount) noexcept
{
    return index >= 0 && index < rowCount;
}

DiceRollPlan planDiceRoll(const std::optional<DiceRollSetup> &setup, qint32 chosenRow, qint32 rowCount,
                          const PresentHpOf &presentHp)
{
    DiceRollPlan plan;
    if (!setup) {
        plan.missing = NothingToRoll::NoCheckType;
    } else if (setup->targetMode == TargetMode::AllEnemies) {
        plan.range = {0, wrapSub(rowCount, 1)};
        // A defeated enemy neither dodges nor strikes: whatever the check,
        // it is no target any more.
        if (setup->keepsBooks && presentHp) {
            for (qint32 r = 0; r < rowCount; ++r) {
                if (isDown(presentHp(r)))
                    plan.passedOver.append(r);
            }
        }
        if (plan.range.isEmpty()) {
            plan.missing = NothingToRoll::NoEnemies;
        } else if (plan.targetCount() == 0) {
            plan.missing = NothingToRoll::NoEnemyStanding;
            plan.range = {};
            plan.passedOver.clear();
        }
    } else if (setup->targetMode == TargetMode::OneEnemy && !isEnemyRow(chosenRow, rowCount)) {
        plan.missing = NothingToRoll::NoEnemyChosen;
    } else {
        plan.range = {chosenRow, chosenRow};
    }
    return plan;
}

std::optional<qint32> DiceRollPlan::firstTarget() const
{
    return targetFrom(range.first);
}

std::optional<qint32> DiceRollPlan::nextTarget(qint32 i) const
{
    return targetFrom(qint64(i) + 1);
}

std::optional<qint32> DiceRollPlan::targetFrom(qint64 i) const
{
    auto skip = std::lower_bound(passedOver.cbegin(), passedOver.cend(), i);
    for (; skip != passedOver.cend() && *skip == i; ++skip)
        ++i;
    if (i > range.last)
        return std::nullopt;
    return qint32(i);
}

TargetValues targetValues(const DiceRollSetup &setup, const TargetInputs &inputs)
{
    TargetValues target;
    if (setup.targetMode == TargetMode::Number)
        target.opposing = inputs.number;
    else if (setup.targetMode != TargetMode::None && inputs.row)
        target.opposing = opposingModifier(setup.checkType, inputs.row->hitModifier, inputs.row->dodgeModifier);
    // Only a dodge lets the enemy strike back, and only a chosen enemy can.
    if (setup.checkType == CheckType::Dodge && inputs.row)
        target.damageModifier = inputs.row->damageModifier;
    const bool againstEnemy = setup.targetMode == TargetMode::OneEnemy || setup.targetMode == TargetMode::AllEnemies;
    if (setup.keepsBooks && setup.checkType == CheckType::Hit && againstEnemy && inputs.row)
        target.hitTarget = HitTarget{inputs.row->name, inputs.row->presentHp, inputs.row->protection};
    return target;
}

QString targetName(const DiceRollSetup &setup, const TargetInputs &inputs)
{
    switch (setup.targetMode) {
    case TargetMode::None:
        return {};
    case TargetMode::Number:
        return QString::number(setup.randomOpposition ? inputs.number : fixedValueOf(inputs.number));
    case TargetMode::OneEnemy:
    case TargetMode::AllEnemies:
        break;
    }
    return inputs.row ? inputs.row->name : QString();
}

bool isCompared(TargetMode mode, qint32 roll) noexcept
{
    return mode != TargetMode::None && !isNaturalTwo(roll);
}

bool drawsOpposingDice(const DiceRollSetup &setup, qint32 roll) noexcept
{
    return setup.randomOpposition && isCompared(setup.targetMode, roll);
}

CheckOutcome checkOutcome(const DiceRollSetup &setup, const TargetValues &target, qint32 roll, qint32 opposingRoll,
                          bool previousSuccess) noexcept
{
    CheckOutcome outcome;
    outcome.success = previousSuccess;
    const bool natural2 = isNaturalTwo(roll);
    if (natural2) {
        outcome.verdict = false;
    } else if (isCompared(setup.targetMode, roll)) {
        outcome.success = checkSucceeds(setup.checkType, setup.modifier, roll, target.opposing, opposingRoll);
        outcome.verdict = outcome.success;
    }
    // After a natural 2 the flag may still hold an earlier target's success;
    // it decides nothing there.
    outcome.chainsRating = setup.chainsRating && !natural2 && outcome.success;
    outcome.damageStep = target.damageModifier.has_value() && (!outcome.success || natural2);
    outcome.takesHitDamage = outcome.chainsRating && target.hitTarget.has_value();
    return outcome;
}

qint32 hpLoss(const DiceRollSetup &setup, qint32 damageRoll, qint32 damageModifier)
{
    return setup.hpTarget ? damageLoss(damageRoll, damageModifier, setup.protection) : 0;
}

CheckRoll rollCheck(RandomSource &random, const DiceRollSetup &setup, const TargetValues &target, bool previousSuccess)
{
    const QString dice = rollDice(random, 2, 6);
    const qint32 roll = sumDice(dice);
    qint32 opposingRoll = FixedOpposingRoll;
    if (drawsOpposingDice(setup, roll))
        opposingRoll = sumDice(rollDice(random, 2, 6));
    CheckRoll check;
    check.outcome = checkOutcome(setup, target, roll, opposingRoll, previousSuccess);
    check.line = checkLine(setup.checkType, dice, setup.modifier);
    if (check.outcome.verdict)
        check.line += checkResultText()[*check.outcome.verdict ? 1 : 0];
    return check;
}

DamageRoll rollDamage(RandomSource &random, const DiceRollSetup &setup, qint32 damageModifier)
{
    const QString dice = rollDice(random, 2, 6);
    DamageRoll damage;
    damage.loss = hpLoss(setup, sumDice(dice), damageModifier);
    damage.line = formatCheckRoll(dice, damageModifier);
    return damage;
}

qint32 hitLoss(std::optional<qint32> total, qint32 protection) noexcept
{
    if (!total)
        return 0;
    const qint32 loss = wrapSub(*total, protection);
    return loss > 0 ? loss : 0;
}

HitDamage hitDamage(const HitTarget &target, std::optional<qint32> total)
{
    const qint32 loss = hitLoss(total, target.protection);
    HitDamage damage;
    damage.presentHp = wrapSub(target.presentHp, loss);
    damage.line = u"=> "_s + target.name + u": HP "_s + QString::number(target.presentHp) + u" - "_s
        + QString::number(loss) + u" = "_s + QString::number(damage.presentHp);
    return damage;
}
