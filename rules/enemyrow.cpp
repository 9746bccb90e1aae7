#include "rules/enemyrow.h"

#include "rules/inttext.h"

PresentPoints presentPoints(qint32 maximumHp, qint32 maximumMp, qint32 pieces) noexcept
{
    return {wrapAdd(maximumHp, wrapMul(5, pieces)), wrapAdd(maximumMp, pieces)};
}

QString startingEnemyName(qint32 row)
{
    return QStringLiteral("Name ") + QString::number(wrapAdd(row, 1));
}

qint32 rowOfControlName(const QString &name)
{
    return name.mid(1).toInt();
}

namespace {

constexpr qint32 RowPitch = 32;
constexpr qint32 FirstRowTop = 40;
constexpr qint32 FirstRowOuterHeight = 100;

} // namespace

qint32 enemyRowTop(qint32 row) noexcept
{
    return wrapAdd(wrapMul(row, RowPitch), FirstRowTop);
}

qint32 enemyWindowOuterHeight(qint32 lastRow) noexcept
{
    return wrapAdd(wrapMul(lastRow, RowPitch), FirstRowOuterHeight);
}
