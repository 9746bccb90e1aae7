#include "rules/checkresolution.h"
#include "rules/odds.h"
#include "support/scripteddice.h"

#include <QTest>

#include <climits>

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
    QTest::addColumn<int>("checkType");
    QTest::addColumn<TargetMode>("mode");
    QTest::addColumn<QList<qint32>>("presentHp"); // one per row
    QTest::addColumn<qint32>("prevent");
    QTest::addColumn<QList<int>>("faces"); // the check dice: 8 beats dodge 0 + 7
    QTest::addColumn<std::optional<qint32>>("total");
    QTest::addColumn<QStringList>("lines");

    using enum TargetMode;
    const int hit = CheckType::Hit;
    const QList<qint32> hp16{16};
    const QList<int> hits{4, 4};
    const std::optional<qint32> twelve = 12;
    const QStringList unhurt{u"=> ゴブリン: HP 16 - 0 = 16"_s};
    QTest::newRow("a hit") << hit << OneEnemy << hp16 << 3 << hits << twelve
                           << QStringList{u"=> ゴブリン: HP 16 - 9 = 7"_s};
    QTest::newRow("a miss") << hit << OneEnemy << hp16 << 3 << QList<int>{3, 4} << twelve << QStringList{};
    QTest::newRow("a first result of 2, Prevent -5")
        << hit << OneEnemy << hp16 << -5 << hits << std::optional<qint32>() << unhurt;
    QTest::newRow("Prevent above the total") << hit << OneEnemy << hp16 << 20 << hits << twelve << unhurt;
    QTest::newRow("a loss that wraps below 0")
        << hit << OneEnemy << hp16 << -1 << hits << std::optional<qint32>(INT_MAX) << unhurt;
    QTest::newRow("magic") << int(CheckType::Magic) << AllEnemies << hp16 << 3 << hits << twelve << QStringList{};
    QTest::newRow("mode number") << hit << Number << hp16 << 3 << hits << twelve << QStringList{};
    QTest::newRow("the chosen enemy is hit though down") << hit << OneEnemy << QList<qint32>{-2} << 0 << hits << twelve
                                                         << QStringList{u"=> ゴブリン: HP -2 - 12 = -14"_s};
    QTest::newRow("a defeated row passed over") << hit << AllEnemies << QList<qint32>{0, 16} << 3 << hits << twelve
                                                << QStringList{u"=> コボルド: HP 16 - 9 = 7"_s};
    QTest::newRow("every row down") << int(CheckType::Dodge) << AllEnemies << QList<qint32>{0, -3} << 3 << QList<int>{}
                                    << twelve << QStringList{u"倒れていない敵がいません"_s};
}

// Works through a click with the books kept, as the command does, the rating
// roll's total given, and lists the HP lines it writes or why it rolls none.
void TestCheckResolution::hitsTakeHpFromTheEnemy()
{
    QFETCH(int, checkType);
    QFETCH(TargetMode, mode);
    QFETCH(QList<qint32>, presentHp);
    QFETCH(qint32, prevent);
    QFETCH(QList<int>, faces);
    QFETCH(std::optional<qint32>, total);
    QFETCH(QStringList, lines);

    const QString names[] = {u"ゴブリン"_s, u"コボルド"_s};
    DiceRollSetup setup{checkType, 0, mode};
    setup.chainsRating = setup.keepsBooks = true;
    const DiceRollPlan plan = planDiceRoll(setup, 0, qint32(presentHp.size()), [&](qint32 r) { return presentHp[r]; });
    ScriptedRandom dice(faces);
    QStringList written;
    if (plan.missing)
        written.append(nothingToRollText(*plan.missing));
    for (std::optional<qint32> i = plan.firstTarget(); i; i = plan.nextTarget(*i)) {
        const TargetValues target = targetValues(setup, {0, EnemyValues{names[*i], 0, 0, 0, presentHp[*i], prevent}});
        if (rollCheck(dice, setup, target, true).outcome.takesHitDamage)
            written.append(hitDamage(*target.hitTarget, total).line);
    }
    QCOMPARE(written, lines);
    QCOMPARE(dice.remaining(), 0);
}

QTEST_GUILESS_MAIN(TestCheckResolution)
#include "tst_checkresolution.moc"
