#include "rules/checkresolution.h"
#include "rules/enemyrow.h"

#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

class TestEnemyRow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void piecesRaiseThePresentValues_data();
    void piecesRaiseThePresentValues();
    void fixedValueIsModifierPlusSeven_data();
    void fixedValueIsModifierPlusSeven();
    void rowsAreNamedByIndex_data();
    void rowsAreNamedByIndex();
};

void TestEnemyRow::piecesRaiseThePresentValues_data()
{
    QTest::addColumn<qint32>("maxHp");
    QTest::addColumn<qint32>("maxMp");
    QTest::addColumn<qint32>("pieces");
    QTest::addColumn<qint32>("hp");
    QTest::addColumn<qint32>("mp");

    QTest::newRow("two pieces") << 10 << 10 << 2 << 20 << 12;
    QTest::newRow("emptied maximum reads 0") << 0 << 10 << 0 << 0 << 10;
    QTest::newRow("150 pieces as typed") << 10 << 10 << 150 << 760 << 160;
    QTest::newRow("negative maximum MP") << 10 << -5 << 0 << 10 << -5;
    QTest::newRow("wraps") << std::numeric_limits<qint32>::max() << 0 << 1 << std::numeric_limits<qint32>::min() + 4
                           << 1;
}

void TestEnemyRow::piecesRaiseThePresentValues()
{
    QFETCH(qint32, maxHp);
    QFETCH(qint32, maxMp);
    QFETCH(qint32, pieces);
    QFETCH(qint32, hp);
    QFETCH(qint32, mp);
    const PresentPoints present = presentPoints(maxHp, maxMp, pieces);
    QCOMPARE(present.hp, hp);
    QCOMPARE(present.mp, mp);
}

void TestEnemyRow::fixedValueIsModifierPlusSeven_data()
{
    QTest::addColumn<qint32>("modifier");
    QTest::addColumn<qint32>("fixed");

    QTest::newRow("a new row") << 0 << 7;
    QTest::newRow("initiative 0") << -7 << 0;
    QTest::newRow("wraps at the top") << std::numeric_limits<qint32>::max() << std::numeric_limits<qint32>::min() + 6;
}

void TestEnemyRow::fixedValueIsModifierPlusSeven()
{
    QFETCH(qint32, modifier);
    QFETCH(qint32, fixed);
    QCOMPARE(fixedValueOf(modifier), fixed);
    QCOMPARE(modifierOfFixed(fixed), modifier);
}

void TestEnemyRow::rowsAreNamedByIndex_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<qint32>("row");
    QTest::addColumn<QString>("name");

    QTest::newRow("first row") << u"E0"_s << 0 << u"Name 1"_s;
    QTest::newRow("second row") << u"M1"_s << 1 << u"Name 2"_s;
    // A reading of one digit would give row 1.
    QTest::newRow("two digits") << u"C10"_s << 10 << u"Name 11"_s;
}

void TestEnemyRow::rowsAreNamedByIndex()
{
    QFETCH(QString, control);
    QFETCH(qint32, row);
    QFETCH(QString, name);
    QCOMPARE(rowOfControlName(control), row);
    QCOMPARE(startingEnemyName(row), name);
}

QTEST_GUILESS_MAIN(TestEnemyRow)
#include "tst_enemyrow.moc"
