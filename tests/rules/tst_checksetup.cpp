#include "rules/checksetup.h"

#include <QTest>

Q_DECLARE_METATYPE(TargetMode)

namespace {

constexpr int NoTarget = -1;

} // namespace

class TestCheckSetup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void presetsByCheckType_data();
    void presetsByCheckType();
    void baseValueIsLevelPlusBonus_data();
    void baseValueIsLevelPlusBonus();
    void initiativeTargetsTheFastestEnemy_data();
    void initiativeTargetsTheFastestEnemy();
    void enablingRules_data();
    void enablingRules();
};

void TestCheckSetup::presetsByCheckType_data()
{
    QTest::addColumn<int>("checkType");
    QTest::addColumn<bool>("presets");
    QTest::addColumn<bool>("chain");
    QTest::addColumn<int>("targetMode"); // NoTarget: left as it is
    QTest::addColumn<bool>("hpTarget");
    QTest::addColumn<bool>("initiative");

    const int oneEnemy = int(TargetMode::OneEnemy);
    QTest::newRow("no check type") << -1 << false << false << NoTarget << false << false;
    QTest::newRow("general") << 0 << false << false << NoTarget << false << false;
    QTest::newRow("hit") << 1 << true << true << oneEnemy << false << false;
    QTest::newRow("dodge") << 2 << true << false << int(TargetMode::AllEnemies) << true << false;
    QTest::newRow("magic") << 3 << true << false << NoTarget << false << false;
    QTest::newRow("initiative") << 4 << true << false << int(TargetMode::Number) << false << true;
    QTest::newRow("monster knowledge") << 5 << true << false << oneEnemy << false << false;
    QTest::newRow("vitality resistance") << 6 << true << false << NoTarget << false << false;
    QTest::newRow("spirit resistance") << 7 << true << false << NoTarget << false << false;
}

void TestCheckSetup::presetsByCheckType()
{
    QFETCH(int, checkType);
    QFETCH(bool, presets);
    QFETCH(bool, chain);
    QFETCH(int, targetMode);
    QFETCH(bool, hpTarget);
    QFETCH(bool, initiative);

    QCOMPARE(hasPresets(checkType), presets);
    if (!presets)
        return;
    const CheckPreset preset = checkPreset(checkType);
    QCOMPARE(preset.chainsRating, chain);
    QCOMPARE(preset.targetMode ? int(*preset.targetMode) : NoTarget, targetMode);
    QCOMPARE(preset.hpPowerTarget, hpTarget);
    QCOMPARE(preset.opposesInitiative, initiative);
}

void TestCheckSetup::baseValueIsLevelPlusBonus_data()
{
    QTest::addColumn<int>("skillChoice");
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("row");
    QTest::addColumn<qint32>("level");
    QTest::addColumn<int>("ability");
    QTest::addColumn<qint32>("base");

    // Dexterity's bonus is 3, every other ability's -1.
    const int none = SkillSource::None;
    const int adventurer = SkillSource::Adventurer;
    const int row = SkillSource::Row;
    QTest::newRow("no skill chosen") << -1 << none << -1 << 0 << 0 << 0;
    QTest::newRow("(none) takes no bonus") << 0 << none << -1 << 0 << 0 << 0;
    QTest::newRow("adventurer level with dexterity") << 1 << adventurer << -1 << 3 << 0 << 6;
    QTest::newRow("a skill's own level") << 2 << row << 0 << 3 << 0 << 6;
    QTest::newRow("the third skill") << 4 << row << 2 << 5 << 0 << 8;
    QTest::newRow("level 0 takes no bonus") << 1 << adventurer << -1 << 0 << 0 << 0;
    QTest::newRow("no ability chosen") << 1 << adventurer << -1 << 3 << -1 << 3;
    QTest::newRow("negative bonus") << 1 << adventurer << -1 << 3 << 1 << 2;
    QTest::newRow("negative level takes no bonus") << 2 << row << 0 << -2 << 0 << -2;
}

void TestCheckSetup::baseValueIsLevelPlusBonus()
{
    QFETCH(int, skillChoice);
    QFETCH(int, source);
    QFETCH(int, row);
    QFETCH(qint32, level);
    QFETCH(int, ability);
    QFETCH(qint32, base);

    const SkillSource from = skillSourceOf(skillChoice);
    QCOMPARE(int(from.kind), source);
    if (from.kind == SkillSource::Row)
        QCOMPARE(from.row, row);
    const std::array<qint32, AbilityCount> bonuses = {3, -1, -1, -1, -1, -1};
    QCOMPARE(checkBaseValue(level, ability, bonuses), base);
}

void TestCheckSetup::initiativeTargetsTheFastestEnemy_data()
{
    QTest::addColumn<QList<qint32>>("initiatives");
    QTest::addColumn<qint32>("target");

    QTest::newRow("9 and 11") << QList<qint32>{9, 11} << 11;
    QTest::newRow("fastest first") << QList<qint32>{12, 7, 3} << 12;
    QTest::newRow("all 0") << QList<qint32>{0, 0} << 0;
    QTest::newRow("typed below 0 counts 0") << QList<qint32>{-4} << 0;
    QTest::newRow("no enemy") << QList<qint32>{} << 0;
}

void TestCheckSetup::initiativeTargetsTheFastestEnemy()
{
    QFETCH(QList<qint32>, initiatives);
    QFETCH(qint32, target);
    QCOMPARE(initiativeTarget(initiatives), target);
}

void TestCheckSetup::enablingRules_data()
{
    QTest::addColumn<bool>("chain");
    QTest::addColumn<int>("checkType");
    QTest::addColumn<TargetMode>("mode");
    QTest::addColumn<bool>("ratingRoll");
    QTest::addColumn<bool>("targetChosen");
    // power target, opposing value, target list, side list, Dice Roll
    QTest::addColumn<QList<bool>>("enabled");

    using B = QList<bool>;
    QTest::newRow("as started") << false << 0 << TargetMode::None << false << false << B{0, 0, 0, 0, 1};
    QTest::newRow("chaining without a rating") << true << 0 << TargetMode::None << false << false << B{1, 0, 0, 0, 0};
    QTest::newRow("chaining with a rating") << true << 0 << TargetMode::None << true << false << B{1, 0, 0, 0, 1};
    QTest::newRow("dodge opens the power target")
        << false << 2 << TargetMode::AllEnemies << false << false << B{1, 0, 0, 1, 1};
    QTest::newRow("number") << false << 4 << TargetMode::Number << false << false << B{0, 1, 0, 0, 1};
    QTest::newRow("one enemy, none chosen") << false << 1 << TargetMode::OneEnemy << true << false << B{0, 0, 1, 0, 0};
    QTest::newRow("one enemy chosen") << false << 1 << TargetMode::OneEnemy << true << true << B{0, 0, 1, 0, 1};
    QTest::newRow("chaining and one enemy, none chosen")
        << true << 1 << TargetMode::OneEnemy << true << false << B{1, 0, 1, 0, 0};
    QTest::newRow("typed check type") << false << -1 << TargetMode::None << false << false << B{0, 0, 0, 0, 1};
}

void TestCheckSetup::enablingRules()
{
    QFETCH(bool, chain);
    QFETCH(int, checkType);
    QFETCH(TargetMode, mode);
    QFETCH(bool, ratingRoll);
    QFETCH(bool, targetChosen);
    QFETCH(QList<bool>, enabled);

    const EnabledControls e = enabledControls({chain, checkType, mode, ratingRoll, targetChosen});
    QCOMPARE((QList<bool>{e.powerTarget, e.opposingValue, e.targetList, e.sideList, e.diceRoll}), enabled);
}

QTEST_GUILESS_MAIN(TestCheckSetup)
#include "tst_checksetup.moc"
