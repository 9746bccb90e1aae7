#include "rules/skilllevels.h"
#include "support/scripteddice.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Skill rows written as "name:level:type:flag".
QList<SkillRow> rowsOf(const QStringList &skills)
{
    QList<SkillRow> rows;
    for (const QString &skill : skills) {
        const QStringList f = skill.split(u':');
        rows.append({f.at(0), f.at(1), f.at(2), f.at(3)});
    }
    return rows;
}

QList<qint32> listOf(const std::array<qint32, CheckTypeCount> &entries)
{
    return {entries.begin(), entries.end()};
}

} // namespace

class TestSkillLevels : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void onlyAPossibleWarriorDodges_data();
    void onlyAPossibleWarriorDodges();
    void rebuildPicksTheBestSkills_data();
    void rebuildPicksTheBestSkills();
    void unreadableRowStopsTheRebuild_data();
    void unreadableRowStopsTheRebuild();
};

void TestSkillLevels::onlyAPossibleWarriorDodges_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("choice");
    QTest::addColumn<bool>("flag");

    QTest::newRow("warrior, possible") << SkillType::Warrior << DodgeChoice::Possible << true;
    QTest::newRow("warrior, impossible") << SkillType::Warrior << DodgeChoice::Impossible << false;
    QTest::newRow("possible, then magician") << SkillType::Magician << DodgeChoice::Possible << false;
    QTest::newRow("other, impossible") << SkillType::Other << DodgeChoice::Impossible << false;
}

void TestSkillLevels::onlyAPossibleWarriorDodges()
{
    QFETCH(int, type);
    QFETCH(int, choice);
    QFETCH(bool, flag);
    QCOMPARE(dodgeFlag(type, choice), flag);
    // An edit shows the stored flag as the choice it came from.
    if (type == SkillType::Warrior)
        QCOMPARE(dodgeChoiceFor(flag ? 1 : 0), choice);
}

void TestSkillLevels::rebuildPicksTheBestSkills_data()
{
    QTest::addColumn<QStringList>("skills");
    QTest::addColumn<QList<qint32>>("forCheck");
    QTest::addColumn<qint32>("adventurer");
    QTest::addColumn<qint32>("magic");

    using L = QList<qint32>;
    QTest::newRow("no skills") << QStringList() << L{0, 0, 0, 0, 0, 0, 1, 1} << 0 << 0;
    QTest::newRow("first warrior") << QStringList{u"ファイター:3:0:1"_s} << L{0, 2, 2, 0, 0, 0, 1, 1} << 3 << 0;
    QTest::newRow("equal warriors: earlier wins")
        << QStringList{u"A:3:0:1"_s, u"B:3:0:1"_s} << L{0, 2, 2, 0, 0, 0, 1, 1} << 3 << 0;
    QTest::newRow("higher warrior later takes over")
        << QStringList{u"A:3:0:1"_s, u"B:3:0:1"_s, u"C:5:0:0"_s} << L{0, 4, 2, 0, 0, 0, 1, 1} << 5 << 0;
    QTest::newRow("lower warrior later does not")
        << QStringList{u"A:5:0:0"_s, u"B:3:0:1"_s} << L{0, 2, 3, 0, 0, 0, 1, 1} << 5 << 0;
    QTest::newRow("impossible never dodges") << QStringList{u"A:4:0:0"_s} << L{0, 2, 0, 0, 0, 0, 1, 1} << 4 << 0;
    QTest::newRow("magicians add up") << QStringList{u"M2:2:1:0"_s, u"M3:3:1:0"_s} << L{0, 0, 0, 3, 0, 0, 1, 1} << 3
                                      << 5;
    QTest::newRow("scout and sage") << QStringList{u"S:2:2:0"_s, u"G:4:3:0"_s} << L{0, 0, 0, 0, 2, 3, 1, 1} << 4 << 0;
    QTest::newRow("other only raises the level")
        << QStringList{u"W:1:0:1"_s, u"O:6:4:0"_s} << L{3, 2, 2, 0, 0, 0, 1, 1} << 6 << 0;
    QTest::newRow("unknown type counts as other") << QStringList{u"X:2:9:0"_s} << L{2, 0, 0, 0, 0, 0, 1, 1} << 2 << 0;
    QTest::newRow("a flag on another type still dodges")
        << QStringList{u"M:3:1:1"_s} << L{0, 0, 2, 2, 0, 0, 1, 1} << 3 << 3;
    QTest::newRow("leading zeros") << QStringList{u"A:007:0:1"_s} << L{0, 2, 2, 0, 0, 0, 1, 1} << 7 << 0;
}

void TestSkillLevels::rebuildPicksTheBestSkills()
{
    QFETCH(QStringList, skills);
    QFETCH(QList<qint32>, forCheck);
    QFETCH(qint32, adventurer);
    QFETCH(qint32, magic);

    // What a rebuild before left behind is cleared.
    std::array<qint32, CheckTypeCount> entries;
    entries.fill(9);
    QStringList choices{u"stale"_s};
    SkillRebuild rebuild(entries, choices);
    for (const SkillRow &row : rowsOf(skills))
        rebuild.addRow(row);
    rebuild.finish();

    QCOMPARE(listOf(entries), forCheck);
    QStringList names = startingSkillChoices();
    for (const QString &skill : skills)
        names.append(skill.section(u':', 0, 0));
    QCOMPARE(choices, names);
    QCOMPARE(rebuild.adventurerLevel(), adventurer);
    QCOMPARE(rebuild.magicLevel(), magic);
}

void TestSkillLevels::unreadableRowStopsTheRebuild_data()
{
    QTest::addColumn<QString>("bad");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QList<qint32>>("forCheck");

    const QStringList before{u"(none)"_s, u"冒険者"_s, u"Blade"_s};
    const QStringList withOdd = before + QStringList{u"Odd"_s};
    // The resistance entries are never finished and keep what they held.
    QTest::newRow("empty level") << u"Empty::1:0"_s << u"'' は整数ではありません"_s << before
                                 << QList<qint32>{0, 2, 2, 0, 0, 0, 9, 9};
    // The name is listed before the type is read, the type's entry taken
    // before the flag is read.
    QTest::newRow("type no number") << u"Odd:2:x:0"_s << u"'x' は整数ではありません"_s << withOdd
                                    << QList<qint32>{0, 2, 2, 0, 0, 0, 9, 9};
    QTest::newRow("flag no number") << u"Odd:2:1:?"_s << u"'?' は整数ではありません"_s << withOdd
                                    << QList<qint32>{0, 2, 2, 3, 0, 0, 9, 9};
}

void TestSkillLevels::unreadableRowStopsTheRebuild()
{
    QFETCH(QString, bad);
    QFETCH(QString, message);
    QFETCH(QStringList, choices);
    QFETCH(QList<qint32>, forCheck);

    std::array<qint32, CheckTypeCount> entries;
    entries.fill(9);
    QStringList names;
    SkillRebuild rebuild(entries, names);
    const QList<SkillRow> rows = rowsOf({u"Blade:3:0:1"_s, bad, u"Mage:8:1:0"_s});
    QCOMPARE(appErrorMessage([&] {
                 for (const SkillRow &row : rows)
                     rebuild.addRow(row);
                 rebuild.finish();
             }),
             message);

    QCOMPARE(names, choices);
    QCOMPARE(listOf(entries), forCheck);
}

QTEST_GUILESS_MAIN(TestSkillLevels)
#include "tst_skilllevels.moc"
