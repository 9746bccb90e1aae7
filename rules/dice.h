#pragma once

#include "rules/random.h"

#include <QString>

// Dice rolls travel through the program as text: the log shows the text, and
// the sum is read back from it.

// The faces of `count` dice of `sides` sides in rolling order, joined by
// ", " and followed by one blank: two dice showing 3 and 5 give "3, 5 ".
// A count below 1 gives an empty text.
[[nodiscard]] QString rollDice(RandomSource &random, int count, int sides);

// The sum of the faces of a dice text, read as comma text; an empty text gives
// 0. A field that is not an integer raises the conversion error.
[[nodiscard]] qint32 sumDice(const QString &diceText);

// "( 2D6 = " + dice + ") ->", then for sums 3 to 11 " S + M = S+M".
[[nodiscard]] QString formatCheckRoll(const QString &diceText, qint32 modifier);
