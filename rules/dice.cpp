#include "rules/dice.h"

#include "rules/inttext.h"
#include "rules/textlist.h"

using namespace Qt::StringLiterals;

QString rollDice(RandomSource &random, int count, int sides)
{
    QString text;
    for (int i = 0; i < count; ++i) {
        text += QString::number(random.draw(sides));
        text += u", "_s;
    }
    // The last face keeps its blank but loses its comma; the blank is the one
    // that stands before ")" in the check roll text.
    if (text.size() >= 2)
        text.remove(text.size() - 2, 1);
    return text;
}

qint32 sumDice(const QString &diceText)
{
    qint32 sum = 0;
    for (const QString &field : commaText(diceText))
        sum = wrapAdd(sum, strToInt(field));
    return sum;
}

QString formatCheckRoll(const QString &diceText, qint32 modifier)
{
    QString text = u"( 2D6 = "_s + diceText + u") ->"_s;
    const qint32 sum = sumDice(diceText);
    // 2 and 12 are left bare: the caller decides what an extreme roll means.
    if (sum >= 3 && sum <= 11) {
        text += u' ' + QString::number(sum) + u" + "_s + QString::number(modifier) + u" = "_s
            + QString::number(wrapAdd(sum, modifier));
    }
    return text;
}
