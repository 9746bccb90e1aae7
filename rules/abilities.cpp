#include "rules/abilities.h"

#include "rules/inttext.h"

qint32 resistance(qint32 adventurerLevel, qint32 bonus) noexcept
{
    return wrapAdd(adventurerLevel, bonus);
}

qint32 maximumPoints(qint32 level, qint32 ability) noexcept
{
    return wrapAdd(wrapMul(level, 3), ability);
}
