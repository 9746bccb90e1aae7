#include "rules/abilities.h"

#include <QTest>

#include <limits>

constexpr qint32 Max = std::numeric_limits<qint32>::max();
constexpr qint32 Min = std::numeric_limits<qint32>::min();

class TestAbilities : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bonusTruncatesTowardZero_data();
    void bonusTruncatesTowardZero();
    void resistanceAndMaximum_data();
    void resistanceAndMaximum();
};

void TestAbilities::bonusTruncatesTowardZero_data()
{
    QTest::addColumn<qint32>("ability");
    QTest::addColumn<qint32>("bonus");

    QTest::newRow("17 still 2") << 17 << 2;
    QTest::newRow("18 gives 3") << 18 << 3;
    QTest::newRow("above 99") << 123 << 20;
    QTest::newRow("-7 gives -1") << -7 << -1;
    QTest::newRow("largest") << Max << 357913941;
    QTest::newRow("smallest") << Min << -357913941;
}

void TestAbilities::bonusTruncatesTowardZero()
{
    QFETCH(qint32, ability);
    QFETCH(qint32, bonus);
    QCOMPARE(abilityBonus(ability), bonus);
}

void TestAbilities::resistanceAndMaximum_data()
{
    QTest::addColumn<qint32>("level");
    QTest::addColumn<qint32>("ability");
    QTest::addColumn<qint32>("resistance");
    QTest::addColumn<qint32>("maximum");

    // The resistance adds the ability's bonus, the maximum the ability.
    QTest::newRow("vitality 20, adventurer 3") << 3 << 20 << 6 << 29;
    QTest::newRow("spirit 11, magic 5") << 5 << 11 << 6 << 26;
    QTest::newRow("lone sign reads 0, level 4") << 4 << 0 << 4 << 12;
    QTest::newRow("negative ability") << 1 << -7 << 0 << -4;
    QTest::newRow("wraps past the largest") << Max << Max << -1789569708 << -4;
}

void TestAbilities::resistanceAndMaximum()
{
    QFETCH(qint32, level);
    QFETCH(qint32, ability);
    QFETCH(qint32, resistance);
    QFETCH(qint32, maximum);
    QCOMPARE(::resistance(level, abilityBonus(ability)), resistance);
    QCOMPARE(maximumPoints(level, ability), maximum);
}

QTEST_GUILESS_MAIN(TestAbilities)
#include "tst_abilities.moc"
