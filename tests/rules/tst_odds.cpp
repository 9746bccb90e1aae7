#include "rules/odds.h"
#include "support/files.h"
#include "support/scripteddice.h"

#include <QTemporaryDir>
#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(DiceRollSetup)
Q_DECLARE_METATYPE(TargetValues)

namespace {

// What the command did over every face of the dice it may draw.
struct Counts
{
    qint64 runs = 0;
    qint64 success = 0;
    qint64 naturalTwo = 0;
    qint64 chains = 0;
    qint64 damage = 0;
    qint64 loss = 0;
};

// Runs one target's check, and the damage roll where it follows, once for
// every combination of faces of the check dice, the opposing dice (random
// mode) and the damage dice (dodge), as the command rolls them.
Counts rollEveryFace(const DiceRollSetup &setup, const TargetValues &target, bool previousSuccess)
{
    const int diceCount = 2 + (setup.randomOpposition ? 2 : 0) + (setup.checkType == CheckType::Dodge ? 2 : 0);
    qint64 combinations = 1;
    for (int d = 0; d < diceCount; ++d)
        combinations *= 6;
    Counts counts;
    for (qint64 code = 0; code < combinations; ++code) {
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
    if (runs % fraction.denominator != 0)
        return -1;
    return fraction.numerator * (runs / fraction.denominator);
}

DiceRollSetup setupOf(int checkType, qint32 modifier, TargetMode mode, bool random, bool chains = false,
                      bool hpTarget = false, qint32 protection = 0)
{
    return {checkType, modifier, mode, random, chains, hpTarget, protection};
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
    void unrollableRatings_data();
    void unrollableRatings();
};

void TestOdds::oddsCountWhatTheRollsDo_data()
{
    QTest::addColumn<DiceRollSetup>("setup");
    QTest::addColumn<TargetValues>("target");

    using enum TargetMode;
    const int hit = CheckType::Hit;
    const int dodge = CheckType::Dodge;
    const int general = CheckType::General;
    const TargetValues noRow{0, std::nullopt};
    QTest::newRow("hit M 6 against dodge 3, fixed") << setupOf(hit, 6, OneEnemy, false, true) << TargetValues{3, {}};
    QTest::newRow("dodge M 5 against hit 4, damage 3, protection 3")
        << setupOf(dodge, 5, AllEnemies, false, false, true, 3) << TargetValues{4, 3};
    QTest::newRow("hit, random opposition") << setupOf(hit, 2, OneEnemy, true, true) << TargetValues{1, {}};
    QTest::newRow("dodge, random opposition")
        << setupOf(dodge, 3, AllEnemies, true, true, true, 2) << TargetValues{2, 1};
    QTest::newRow("a tie fails a hit") << setupOf(hit, 0, OneEnemy, false) << TargetValues{0, {}};
    QTest::newRow("a tie saves a dodge") << setupOf(dodge, 0, OneEnemy, false, false, true) << TargetValues{1, 0};
    QTest::newRow("only a natural 2 fails") << setupOf(general, 100, Number, false, true) << noRow;
    QTest::newRow("a natural 12 does not always succeed") << setupOf(hit, 0, OneEnemy, true) << TargetValues{5, {}};
    QTest::newRow("protection above every damage")
        << setupOf(dodge, 0, AllEnemies, false, false, true, 100) << TargetValues{5, 2};
    QTest::newRow("power target none costs nothing")
        << setupOf(dodge, 0, AllEnemies, false, false, false) << TargetValues{5, 20};
    QTest::newRow("damage modifier below the protection's reach")
        << setupOf(dodge, 0, AllEnemies, true, false, true, 5) << TargetValues{0, -1};
    QTest::newRow("none: everything but a natural 2 chains") << setupOf(general, 0, None, false, true) << noRow;
    QTest::newRow("none: a dodge takes a blow on a natural 2 only")
        << setupOf(dodge, 0, None, true, true, true) << TargetValues{0, 5};
    QTest::newRow("number: a dodge without a chosen enemy takes no blow")
        << setupOf(dodge, 0, Number, false, false, true) << noRow;
    QTest::newRow("number: a dodge takes the chosen enemy's blow")
        << setupOf(dodge, 0, Number, true, false, true) << TargetValues{3, 4};
    QTest::newRow("the check total wraps past the largest integer")
        << setupOf(hit, std::numeric_limits<qint32>::max(), OneEnemy, false) << TargetValues{0, {}};
    QTest::newRow("the loss wraps past the largest integer")
        << setupOf(dodge, 0, AllEnemies, false, false, true, std::numeric_limits<qint32>::min())
        << TargetValues{9, std::numeric_limits<qint32>::max() - 5};
}

void TestOdds::oddsCountWhatTheRollsDo()
{
    QFETCH(DiceRollSetup, setup);
    QFETCH(TargetValues, target);

    const TargetOdds odds = targetOdds(setup, target);
    // A click starts with the success flag set; where rolls are compared,
    // the flag an earlier target left changes nothing.
    QList<bool> previous{true};
    if (setup.targetMode != TargetMode::None)
        previous.append(false);
    for (const bool previousSuccess : previous) {
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

void TestOdds::criticalChainAgainstEnumeration()
{
    QFETCH(RatingRollSetup, setup);
    QTemporaryDir dir;
    const QString file = dir.filePath(u"RatingTable.txt"_s);
    QVERIFY(writeFile(file, "Blade,1,2,4,5,6,7,8,10,11,13\r\n"_ba));
    RatingTable table;
    table.load(file);

    // Rolls every face of one roll of the chain: what the roll adds, and
    // whether it rolls again (a 3 ends any chain). The chain's expected sum
    // over 30 rolls builds up from its last roll; what lies beyond is below
    // 1e-9.
    struct Face
    {
        QString chain;
        double value;
        bool again;
    };
    QList<Face> faces;
    for (int a = 1; a <= 6; ++a) {
        for (int b = 1; b <= 6; ++b) {
            ScriptedRandom dice{a, b, 1, 2};
            const QString chain = rollRatingDice(dice, setup.criticalValue(), setup.criticalsOn);
            const QString first = chain.section(u'/', 0, 0);
            faces.append({chain, double(table.sumRating(0, first)), chain.contains(u'/')});
        }
    }
    double following = 0;
    for (int depth = 1; depth < 30; ++depth) {
        double sum = 0;
        for (const Face &face : faces)
            sum += face.value + (face.again ? following : 0);
        following = sum / 36;
    }
    double total = 0;
    int criticals = 0;
    for (const Face &face : faces) {
        if (ratingFumbled(face.chain))
            continue;
        total += face.value + setup.modifier + (face.again ? following : 0);
        criticals += face.again ? 1 : 0;
    }
    total /= 36;

    const RatingOdds odds = ratingOdds(table, 0, setup);
    QVERIFY(!odds.fault);
    QVERIFY2(qAbs(odds.expectedTotal - total) < 1e-9,
             qPrintable(u"%1 against %2"_s.arg(odds.expectedTotal).arg(total)));
    QCOMPARE(countedOver(odds.critical, 36), criticals);
}

void TestOdds::unrollableRatings_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("fault");
    QTest::newRow("three values") << "Short,1,2,3"_ba << u"リストのインデックスが範囲を超えています (4)"_s;
    QTest::newRow("a word as value") << "Blade,1,2,x,5,6,7,8,10,11,13"_ba << u"'x' は整数ではありません"_s;
}

void TestOdds::unrollableRatings()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, fault);
    QTemporaryDir dir;
    const QString file = dir.filePath(u"RatingTable.txt"_s);
    QVERIFY(writeFile(file, line));
    RatingTable table;
    table.load(file);
    QCOMPARE(ratingOdds(table, 0, RatingRollSetup{}).fault, std::optional<QString>(fault));
}

QTEST_GUILESS_MAIN(TestOdds)
#include "tst_odds.moc"
