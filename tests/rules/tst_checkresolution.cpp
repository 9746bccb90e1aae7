#include "rules/checkresolution.h"
#include "rules/odds.h"
#include "support/scripteddice.h"

#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TargetMode)
Q_DECLARE_METATYPE(std::optional<qint32>)

// The fight's books as a click of Dice Roll keeps them: which targets it
// rolls against, and what each hit's rating total costs the enemy.
class TestCheckResolution : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hitsTakeHpFromTheEnemy_data();
    void hitsTakeHpFromTheEnemy();
};

void TestCheckResolution::hitsTakeHpFromTheEnemy_data()
{
    QTest::addColumn<bool>("books");
    QTest::addColumn<int>("checkType");
    QTest::addColumn<TargetMode>("mode");
    QTest::addColumn<QList<qint32>>("presentHp"); // one per row
    QTest::addColumn<qint32>("prevent");
    QTest::addColumn<QList<int>>("faces"); // the check dice; 8 beats dodge 0 + 7
    QTest::addColumn<std::optional<qint32>>("total");
    QTest::addColumn<QStringList>("lines");

    using enum TargetMode;
    const int hit = CheckType::Hit;
    const std::optional<qint32> twelve = 12;
    const std::optional<qint32> fumbled;
    const QList<int> hits{4, 4};
    QTest::newRow("a hit") << true << hit << OneEnemy << QList<qint32>{16} << 3 << hits << twelve
                           << QStringList{u"=> ゴブリン: HP 16 - 9 = 7"_s};
    QTest::newRow("books not kept") << false << hit << OneEnemy << QList<qint32>{16} << 3 << hits << twelve
                                    << QStringList{};
    QTest::newRow("a miss") << true << hit << OneEnemy << QList<qint32>{16} << 3 << QList<int>{3, 4} << twelve
                            << QStringList{};
    QTest::newRow("a first result of 2 against a negative Prevent")
        << true << hit << OneEnemy << QList<qint32>{16} << -5 << hits << fumbled
        << QStringList{u"=> ゴブリン: HP 16 - 0 = 16"_s};
    QTest::newRow("Prevent above the total") << true << hit << OneEnemy << QList<qint32>{16} << 20 << hits << twelve
                                             << QStringList{u"=> ゴブリン: HP 16 - 0 = 16"_s};
    QTest::newRow("a loss that wraps below 0")
        << true << hit << OneEnemy << QList<qint32>{16} << -1 << hits
        << std::optional<qint32>(std::numeric_limits<qint32>::max()) << QStringList{u"=> ゴブリン: HP 16 - 0 = 16"_s};
    QTest::newRow("the chosen enemy is hit though down")
        << true << hit << OneEnemy << QList<qint32>{-2} << 0 << hits << std::optional<qint32>(5)
        << QStringList{u"=> ゴブリン: HP -2 - 5 = -7"_s};
    QTest::newRow("magic") << true << int(CheckType::Magic) << AllEnemies << QList<qint32>{16} << 3 << hits << twelve
                           << QStringList{};
    QTest::newRow("mode number") << true << hit << Number << QList<qint32>{16} << 3 << hits << twelve << QStringList{};
    QTest::newRow("a defeated row passed over") << true << hit << AllEnemies << QList<qint32>{0, 16} << 3 << hits
                                                << twelve << QStringList{u"=> コボルド: HP 16 - 9 = 7"_s};
    QTest::newRow("every row down") << true << int(CheckType::Dodge) << AllEnemies << QList<qint32>{0, -3} << 3
                                    << QList<int>{} << twelve << QStringList{u"倒れていない敵がいません"_s};
}

// Works through a click as the command does, with the rating roll's total
// given, and lists the HP lines it writes, or why it rolls nothing.
void TestCheckResolution::hitsTakeHpFromTheEnemy()
{
    QFETCH(bool, books);
    QFETCH(int, checkType);
    QFETCH(TargetMode, mode);
    QFETCH(QList<qint32>, presentHp);
    QFETCH(qint32, prevent);
    QFETCH(QList<int>, faces);
    QFETCH(std::optional<qint32>, total);
    QFETCH(QStringList, lines);

    const QString names[] = {u"ゴブリン"_s, u"コボルド"_s};
    DiceRollSetup setup{checkType, 0, mode};
    setup.chainsRating = true;
    setup.keepsBooks = books;
    const DiceRollPlan plan = planDiceRoll(setup, 0, qint32(presentHp.size()), [&](qint32 r) { return presentHp[r]; });
    ScriptedRandom dice(faces);
    QStringList written;
    if (plan.missing)
        written.append(nothingToRollText(*plan.missing));
    for (std::optional<qint32> i = plan.firstTarget(); i; i = plan.nextTarget(*i)) {
        const EnemyValues row{names[*i], 0, 0, 0, presentHp[*i], prevent};
        const TargetValues target = targetValues(setup, {0, row});
        if (rollCheck(dice, setup, target, true).outcome.takesHitDamage)
            written.append(hitDamage(*target.hitTarget, total).line);
    }
    QCOMPARE(written, lines);
    QCOMPARE(dice.remaining(), 0);
}

QTEST_GUILESS_MAIN(TestCheckResolution)
#include "tst_checkresolution.moc"
