#include "rules/odds.h"
#include "support/files.h"
#include "support/scripteddice.h"

#include <QMap>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(DiceRollSetup)
Q_DECLARE_METATYPE(TargetValues)

namespace {

// What the command did over every face of the dice it may draw.
struct Counts
{
    qint64 runs = 0, success = 0, naturalTwo = 0, chains = 0, damage = 0, loss = 0;
};

// Runs one target's check, and the damage roll where it follows, once for
// every combination of faces of the check dice, the opposing dice (random
// mode) and the damage dice (dodge), as the command rolls them.
Counts rollEveryFace(const DiceRollSetup &setup, const TargetValues &target, bool previousSuccess)
{
    const int diceCount = 2 + (setup.randomOpposition ? 2 : 0) + (setup.checkType == CheckType::Dodge ? 2 : 0);
    Counts counts;
    for (qint64 code = 0, end = qint64(std::pow(6, diceCount)); code < end; ++code) {
        QList<int> faces;
        for (qint64 rest = code; faces.size() < diceCount; rest /= 6)
            faces.append(int(rest % 6) + 1);
        ScriptedRandom dice(faces);
        const CheckRoll check = rollCheck(dice, setup, target, previousSuccess);
        ++counts.runs;
        counts.success += check.line.endsWith(checkResultText()[1]) ? 1 : 0;
        counts.naturalTwo += faces[0] + faces[1] == 2 ? 1 : 0;
        counts.chains += check.outcome.chainsRating ? 1 : 0;
        if (check.outcome.damageStep) {
            ++counts.damage;
            counts.loss += rollDamage(dice, setup, *target.damageModifier).loss;
        }
    }
    return counts;
}

// The fraction counted over `runs` equally likely outcomes; -1 when they
// cannot count it.
qint64 countedOver(const Fraction &fraction, qint64 runs)
{
    if (fraction.numerator == 0)
        return 0;
    return runs % fraction.denominator == 0 ? fraction.numerator * (runs / fraction.denominator) : -1;
}

RatingTable tableOf(const QByteArray &line)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(u"RatingTable.txt"_s);
    RatingTable table;
    if (writeFile(file, line))
        table.load(file);
    return table;
}

} // namespace

// The odds against the rolls: every expected number comes from running the
// command's own resolution over every face of its dice.
class TestOdds : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void oddsCountWhatTheRollsDo_data();
    void oddsCountWhatTheRollsDo();
    void criticalChainAgainstEnumeration_data();
    void criticalChainAgainstEnumeration();
    void distributionAgainstConvolution_data();
    void distributionAgainstConvolution();
};

void TestOdds::oddsCountWhatTheRollsDo_data()
{
    QTest::addColumn<DiceRollSetup>("setup");
    QTest::addColumn<TargetValues>("target");

    using enum TargetMode;
    const int hit = CheckType::Hit;
    const int dodge = CheckType::Dodge;
    const int general = CheckType::General;
    constexpr qint32 largest = std::numeric_limits<qint32>::max();
    // Check type, modifier, target mode, random opposition, chained rating,
    // HP as power target, protection; opposing and damage modifiers.
    QTest::newRow("hit M 6 against dodge 3") << DiceRollSetup{hit, 6, OneEnemy, false, true} << TargetValues{3, {}};
    QTest::newRow("dodge M 5 against hit 4, damage 3, protection 3")
        << DiceRollSetup{dodge, 5, AllEnemies, false, false, true, 3} << TargetValues{4, 3};
    QTest::newRow("hit, random opposition") << DiceRollSetup{hit, 2, OneEnemy, true, true} << TargetValues{1, {}};
    QTest::newRow("dodge, random opposition")
        << DiceRollSetup{dodge, 3, AllEnemies, true, true, true, 2} << TargetValues{2, 1};
    QTest::newRow("a tie fails a hit") << DiceRollSetup{hit, 0, OneEnemy, false} << TargetValues{0, {}};
    QTest::newRow("a tie saves a dodge") << DiceRollSetup{dodge, 0, OneEnemy, false, false, true} << TargetValues{1, 0};
    QTest::newRow("only a natural 2 fails") << DiceRollSetup{general, 100, Number, false, true} << TargetValues{};
    QTest::newRow("protection above every damage")
        << DiceRollSetup{dodge, 0, AllEnemies, false, false, true, 100} << TargetValues{5, 2};
    QTest::newRow("power target none") << DiceRollSetup{dodge, 0, AllEnemies, false} << TargetValues{5, 20};
    QTest::newRow("none: all but a natural 2 chains") << DiceRollSetup{general, 0, None, false, true} << TargetValues{};
    QTest::newRow("none: a dodge's blow on a natural 2 only")
        << DiceRollSetup{dodge, 0, None, true, true, true} << TargetValues{0, 5};
    QTest::newRow("number: a dodge without a chosen enemy")
        << DiceRollSetup{dodge, 0, Number, false, false, true} << TargetValues{};
    QTest::newRow("number: a dodge and the chosen enemy's blow")
        << DiceRollSetup{dodge, 0, Number, true, false, true} << TargetValues{3, 4};
    QTest::newRow("the check total wraps") << DiceRollSetup{hit, largest, OneEnemy, false} << TargetValues{0, {}};
    QTest::newRow("the loss wraps") << DiceRollSetup{dodge, 0, AllEnemies, false, false, true, -largest - 1}
                                    << TargetValues{9, largest - 5};
}

void TestOdds::oddsCountWhatTheRollsDo()
{
    QFETCH(DiceRollSetup, setup);
    QFETCH(TargetValues, target);

    const TargetOdds odds = targetOdds(setup, target);
    // A click starts with the success flag set; where rolls are compared,
    // the flag an earlier target left changes nothing.
    for (const bool previousSuccess : {true, false}) {
        if (!previousSuccess && setup.targetMode == TargetMode::None)
            break;
        const Counts counts = rollEveryFace(setup, target, previousSuccess);
        QCOMPARE(countedOver(odds.success, counts.runs), counts.success);
        QCOMPARE(countedOver(odds.naturalTwo, counts.runs), counts.naturalTwo);
        QCOMPARE(countedOver(odds.chainsRating, counts.runs), counts.chains);
        QCOMPARE(countedOver(odds.damageStep, counts.runs), counts.damage);
        QCOMPARE(countedOver(odds.expectedLoss, counts.runs), counts.loss);
    }
}

void TestOdds::criticalChainAgainstEnumeration_data()
{
    QTest::addColumn<RatingRollSetup>("setup");
    QTest::newRow("criticals on at 10") << RatingRollSetup{10, 0, true, 4};
    QTest::newRow("critical value 8 - 5 raised to 8") << RatingRollSetup{8, -5, true, -3};
    QTest::newRow("criticals off") << RatingRollSetup{10, 0, false, 4};
}

// Rolls every face of each roll of a chain of up to 30 rolls (the rest lies
// below 1e-9) through the command's own roll, sum and fumble rules.
void TestOdds::criticalChainAgainstEnumeration()
{
    QFETCH(RatingRollSetup, setup);
    const RatingTable table = tableOf("Blade,1,2,4,5,6,7,8,10,11,13\r\n"_ba);
    double following = 0; // the expected sum of the rolls after a critical
    for (int depth = 0; depth <= 30; ++depth) {
        double sum = 0;
        double total = 0;
        int criticals = 0;
        for (int face = 0; face < 36; ++face) {
            // A 3 ends any chain.
            ScriptedRandom dice{face / 6 + 1, face % 6 + 1, 1, 2};
            const QString chain = rollRatingDice(dice, setup.criticalValue(), setup.criticalsOn);
            const bool again = chain.contains(u'/');
            const double value = table.sumRating(0, chain.section(u'/', 0, 0)) + (again ? following : 0);
            sum += value;
            if (!ratingFumbled(chain)) {
                total += value + setup.modifier;
                criticals += again ? 1 : 0;
            }
        }
        following = sum / 36;
        if (depth < 30)
            continue;
        const RatingOdds odds = ratingOdds(table, 0, setup);
        QVERIFY(!odds.fault);
        QVERIFY2(qAbs(odds.expectedTotal - total / 36) < 1e-9, qPrintable(u"%1"_s.arg(total / 36)));
        QCOMPARE(countedOver(odds.critical, 36), criticals);
    }
    // A value the roll may need and cannot read is said, never raised.
    QCOMPARE(ratingOdds(tableOf("Blade,1,2,x,5,6,7,8,10,11,13"_ba), 0, setup).fault, u"'x' は整数ではありません"_s);
}

void TestOdds::distributionAgainstConvolution_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<RatingRollSetup>("setup");
    // A hit's HP and Prevent, for the chance to bring the enemy down.
    QTest::addColumn<QList<qint32>>("kill");
    QTest::newRow("criticals on at 8") << "Blade,1,2,4,5,6,7,8,10,11,13"_ba << RatingRollSetup{8, 0, true, 4}
                                       << QList<qint32>{};
    QTest::newRow("criticals off, negative and equal values")
        << "Dip,-5,0,7,-2,3,3,9,-8,20,1"_ba << RatingRollSetup{10, 0, false, -2} << QList<qint32>{};
    QTest::newRow("a kill at 20 HP, Prevent 3, after criticals")
        << "Blade,1,2,4,5,6,7,8,10,11,13"_ba << RatingRollSetup{8, 0, true, 2} << QList<qint32>{20, 3};
}

// Follows the chain roll by roll to depth 30, carrying the chance of every
// sum reached so far, with the command's own roll deciding what each result
// does.
void TestOdds::distributionAgainstConvolution()
{
    QFETCH(QByteArray, line);
    QFETCH(RatingRollSetup, setup);
    QFETCH(QList<qint32>, kill);
    const RatingTable table = tableOf(line);
    std::array<bool, 36> again{}, fails{};
    std::array<qint64, 36> value{};
    for (int face = 0; face < 36; ++face) {
        ScriptedRandom dice{face / 6 + 1, face % 6 + 1, 1, 2};
        const QString chain = rollRatingDice(dice, setup.criticalValue(), setup.criticalsOn);
        again[face] = chain.contains(u'/');
        fails[face] = ratingFumbled(chain);
        value[face] = table.sumRating(0, chain.section(u'/', 0, 0));
    }
    QMap<qint64, double> ended;
    QMap<qint64, double> rolling{{0, 1.0}};
    double failed = 0;
    for (int depth = 0; depth < 30; ++depth) {
        QMap<qint64, double> next;
        for (auto [sum, chance] : rolling.asKeyValueRange()) {
            for (int face = 0; face < 36; ++face) {
                if (depth == 0 && fails[face])
                    failed += chance / 36;
                else if (again[face])
                    next[sum + value[face]] += chance / 36;
                else
                    ended[sum + value[face] + setup.modifier] += chance / 36;
            }
        }
        rolling = next;
    }

    const RatingDistribution distribution = ratingDistribution(table, 0, setup);
    QVERIFY(!distribution.fault);
    QVERIFY(qAbs(distribution.fumble - failed) < 1e-12);
    double sum = distribution.fumble;
    for (qint64 total = distribution.lowest(); total <= distribution.highest(); ++total) {
        QVERIFY2(qAbs(distribution.chance(total) - ended.value(total)) < 1e-9, qPrintable(QString::number(total)));
        QVERIFY(qAbs(distribution.atLeast(total) + distribution.chance(total - 1) - distribution.atLeast(total - 1))
                < 1e-12);
        sum += distribution.chance(total);
    }
    QCOMPARE(ended.firstKey(), distribution.lowest());
    QVERIFY(ended.lastKey() <= distribution.highest());
    QVERIFY(qAbs(sum - 1) < 1e-9);
    QVERIFY(qAbs(distribution.mean() - ratingOdds(table, 0, setup).expectedTotal) < 1e-9);

    // A hit, 3 + 2D6 against dodge 1 + 7, and the chance that its rating
    // total costs the enemy all its HP, with the command's own loss.
    if (!kill.isEmpty()) {
        DiceRollSetup hit{CheckType::Hit, 3, TargetMode::OneEnemy, false, true};
        hit.keepsBooks = true;
        const QList<NamedTarget> targets{{{}, targetValues(hit, {0, EnemyValues{{}, 0, 1, 0, kill[0], kill[1]}})}};
        double reaching = 0;
        for (auto [total, chance] : ended.asKeyValueRange())
            reaching += hitLoss(qint32(total), kill[1]) >= kill[0] ? chance : 0;
        const double expected = double(rollEveryFace(hit, targets[0].values, true).chains) / 36 * reaching;
        const TargetOdds odds = targetOdds(hit, targets[0].values);
        const std::optional<double> chance = killChance(odds, distribution, *targets[0].values.hitTarget);
        QVERIFY2(chance && qAbs(*chance - expected) < 1e-9, qPrintable(QString::number(expected)));
        const QString text = diceRollOddsText(hit, targets, 1, chainedRating(table, 0, setup, targets));
        QVERIFY2(text.endsWith(u"、撃破 %1%"_s.arg(100 * expected, 0, 'f', 1)), qPrintable(text));
    }

    // Values at the ends of the 32-bit range spread the totals beyond
    // counting: said at once, not counted.
    const RatingDistribution wide = ratingDistribution(
        tableOf("Wide,-2147483648,2147483647,-2147483648,2147483647,1,2,3,-2147483648,2147483647,5"_ba), 0, setup);
    QCOMPARE(wide.fault, u"合計の範囲が広すぎて、分布は数えられません"_s);
}

QTEST_GUILESS_MAIN(TestOdds)
#include "tst_odds.moc"
