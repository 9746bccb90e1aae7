#pragma once

#include "rules/inttext.h"

#include <QString>

// The values of one enemy row that follow from others.

// The limits of a row's maxima, and of its pieces and initiative.
inline constexpr IntRange EnemyMaximumRange{0, 9999};
inline constexpr IntRange EnemyCountRange{0, 99};

// An enemy's present HP and MP: each piece adds 5 HP and 1 MP to the maxima.
struct PresentPoints
{
    qint32 hp;
    qint32 mp;
};
[[nodiscard]] PresentPoints presentPoints(qint32 maximumHp, qint32 maximumMp, qint32 pieces) noexcept;

// The name a new row starts with: "Name 1" for row 0.
[[nodiscard]] QString startingEnemyName(qint32 row);

// The row a named row control belongs to: its name is a column letter
// followed by the row index in decimal ("M12" is row 12).
[[nodiscard]] qint32 rowOfControlName(const QString &name);

// Where the roster draws its rows: each row 32 pixels below the one before,
// the first at 40. Adding a row makes the window's outer height room for it
// and the headings: 100 with row 0, 132 with row 1.
[[nodiscard]] qint32 enemyRowTop(qint32 row) noexcept;
[[nodiscard]] qint32 enemyWindowOuterHeight(qint32 lastRow) noexcept;
