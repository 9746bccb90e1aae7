#include "rules/checkresolution.h"

#include "rules/checktypes.h"
#include "rules/dice.h"
#include "rules/inttext.h"

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
