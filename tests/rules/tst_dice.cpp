#include "rules/dice.h"
#include "support/scripteddice.h"

#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

class TestDice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rollDiceText_data();
    void rollDiceText();
    void everyTwoDiceRoll();
    void sumsOfDiceTexts_data();
    void sumsOfDiceTexts();
    void nonIntegerFieldRaises_data();
    void nonIntegerFieldRaises();
    void checkRollTexts_data();
    void checkRollTexts();
};

void TestDice::rollDiceText_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("sides");
    QTest::addColumn<QList<int>>("faces");
    QTest::addColumn<QString>("text");

    QTest::newRow("two dice") << 2 << 6 << QList<int>{3, 5} << u"3, 5 "_s;
    QTest::newRow("one die") << 1 << 6 << QList<int>{4} << u"4 "_s;
    QTest::newRow("three dice") << 3 << 6 << QList<int>{6, 1, 4} << u"6, 1, 4 "_s;
    QTest::newRow("two-digit faces of a d20") << 2 << 20 << QList<int>{20, 12} << u"20, 12 "_s;
    QTest::newRow("no dice") << 0 << 6 << QList<int>{} << QString();
    QTest::newRow("negative count") << -3 << 6 << QList<int>{} << QString();
}

void TestDice::rollDiceText()
{
    QFETCH(int, count);
    QFETCH(int, sides);
    QFETCH(QList<int>, faces);
    QFETCH(QString, text);

    ScriptedRandom dice(faces);
    QCOMPARE(rollDice(dice, count, sides), text);
    QCOMPARE(dice.remaining(), 0);
}

// All 36 outcomes of 2D6: the text is always five characters, reads back to
// the sum of the faces, and only the extreme sums 2 and 12 are left bare.
void TestDice::everyTwoDiceRoll()
{
    for (int first = 1; first <= 6; ++first) {
        for (int second = 1; second <= 6; ++second) {
            ScriptedRandom dice{first, second};
            const QString text = rollDice(dice, 2, 6);
            QCOMPARE(text, u"%1, %2 "_s.arg(first).arg(second));
            QCOMPARE(sumDice(text), first + second);

            const QString line = formatCheckRoll(text, 1);
            const bool extreme = first + second == 2 || first + second == 12;
            QCOMPARE(line.endsWith(u") ->"_s), extreme);
        }
    }
}

void TestDice::sumsOfDiceTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint32>("sum");

    QTest::newRow("two dice") << u"3, 5 "_s << 8;
    QTest::newRow("one die") << u"4 "_s << 4;
    QTest::newRow("three dice") << u"6, 1, 4 "_s << 11;
    QTest::newRow("empty text") << QString() << 0;
    QTest::newRow("fields read by the integer rule") << u"$A, -1 "_s << 9;
}

void TestDice::sumsOfDiceTexts()
{
    QFETCH(QString, text);
    QFETCH(qint32, sum);
    QCOMPARE(sumDice(text), sum);
}

void TestDice::nonIntegerFieldRaises_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");

    QTest::newRow("word") << u"3, x "_s << u"'x' は整数ではありません"_s;
    QTest::newRow("empty field") << u"3,, 5 "_s << u"'' は整数ではありません"_s;
    QTest::newRow("quoted field keeps its blank") << u"\"5 \", 1"_s << u"'5 ' は整数ではありません"_s;
}

void TestDice::nonIntegerFieldRaises()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    QCOMPARE(appErrorMessage([&] { return sumDice(text); }), message);
}

void TestDice::checkRollTexts_data()
{
    QTest::addColumn<QList<int>>("faces");
    QTest::addColumn<qint32>("modifier");
    QTest::addColumn<QString>("line");

    QTest::newRow("sum 8 plus 4") << QList<int>{3, 5} << 4 << u"( 2D6 = 3, 5 ) -> 8 + 4 = 12"_s;
    QTest::newRow("negative modifier keeps its sign") << QList<int>{2, 3} << -2 << u"( 2D6 = 2, 3 ) -> 5 + -2 = 3"_s;
    QTest::newRow("sum 3 with modifier 0") << QList<int>{1, 2} << 0 << u"( 2D6 = 1, 2 ) -> 3 + 0 = 3"_s;
    QTest::newRow("sum 11") << QList<int>{5, 6} << 7 << u"( 2D6 = 5, 6 ) -> 11 + 7 = 18"_s;
    QTest::newRow("sum 2 ends at the arrow") << QList<int>{1, 1} << 4 << u"( 2D6 = 1, 1 ) ->"_s;
    QTest::newRow("sum 12 ends at the arrow") << QList<int>{6, 6} << 4 << u"( 2D6 = 6, 6 ) ->"_s;
    QTest::newRow("total wraps at 32 bits") << QList<int>{5, 6} << std::numeric_limits<qint32>::max()
                                            << u"( 2D6 = 5, 6 ) -> 11 + 2147483647 = -2147483638"_s;
}

void TestDice::checkRollTexts()
{
    QFETCH(QList<int>, faces);
    QFETCH(qint32, modifier);
    QFETCH(QString, line);

    ScriptedRandom dice(faces);
    QCOMPARE(formatCheckRoll(rollDice(dice, 2, 6), modifier), line);
}

QTEST_GUILESS_MAIN(TestDice)
#include "tst_dice.moc"
