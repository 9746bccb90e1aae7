#include "rules/odds.h"

#include "rules/apperror.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

// How many of the 36 faces of 2D6 show each sum.
constexpr std::array<qint64, 13> twoDiceWays()
{
    std::array<qint64, 13> ways{};
    for (int a = 1; a <= 6; ++a) {
        for (int b = 1; b <= 6; ++b)
            ++ways[a + b];
    }
    return ways;
}
constexpr std::array<qint64, 13> Ways = twoDiceWays();
constexpr qint64 Faces = 36;

QString percent(const Fraction &chance)
{
    return percentText(chance.value());
}

// What one 2D6 result does in a rating roll: the value it adds, how many of
// the 36 faces show it, whether it rolls again, and whether as the first
// result it fails the roll. The same rules as the roll's, result by result.
struct ResultRule
{
    qint64 value = 0;
    qint64 ways = 0;
    bool again = false;
    bool fails = false;
};
std::array<ResultRule, 11> resultRules(const RatingValues &values, const RatingRollSetup &setup)
{
    static const std::array<bool, 13> failsFirst = [] {
        std::array<bool, 13> fails{};
        for (qint32 result = 2; result <= 12; ++result)
            fails[result] = ratingFumbled(QString::number(result));
        return fails;
    }();
    const qint32 critical = setup.criticalValue();
    std::array<ResultRule, 11> rules;
    for (qint32 result = 2; result <= 12; ++result)
        rules[result - 2]
            = {values[result], Ways[result], rollsAgain(result, critical, setup.criticalsOn), failsFirst[result]};
    return rules;
}

// A chance at a sum of table values.
struct Point
{
    qint64 sum = 0;
    double chance = 0;
};

// The chances of consecutive sums, the first of them `lowest`.
struct Spread
{
    qint64 lowest = 0;
    QList<double> chances;
};

// The sums from one roll on: the roll's value where it `ends` the chain, and
// where it rolls `again`, its value plus the sums `following` it. None when
// they would span more than MostTotals.
std::optional<Spread> oneRollMore(const QList<Point> &ends, const QList<Point> &again, const Spread &following)
{
    qint64 lowest = std::numeric_limits<qint64>::max();
    qint64 highest = std::numeric_limits<qint64>::min();
    const auto cover = [&](qint64 low, qint64 high) {
        lowest = std::min(lowest, low);
        highest = std::max(highest, high);
    };
    const qsizetype width = following.chances.size();
    for (const Point &point : ends)
        cover(point.sum, point.sum);
    if (width > 0) {
        for (const Point &point : again)
            cover(point.sum + following.lowest, point.sum + following.lowest + width - 1);
    }
    if (lowest > highest || highest - lowest >= MostTotals)
        return std::nullopt;

    Spread spread{lowest, QList<double>(highest - lowest + 1, 0.0)};
    for (const Point &point : ends)
        spread.chances[point.sum - lowest] += point.chance;
    if (width > 0) {
        for (const Point &point : again) {
            double *into = spread.chances.data() + (point.sum + following.lowest - lowest);
            const double *from = following.chances.constData();
            for (qsizetype i = 0; i < width; ++i)
                into[i] += point.chance * from[i];
        }
    }
    return spread;
}

RatingDistribution tooSpread()
{
    RatingDistribution distribution;
    distribution.fault = u"合計の範囲が広すぎて、分布は数えられません"_s;
    return distribution;
}

} // namespace

QString oneDecimal(double value)
{
    QString text = QString::number(value, 'f', 1);
    // A small negative value rounds to 0.0, not to -0.0.
    if (text == u"-0.0"_s)
        text.remove(0, 1);
    return text;
}

QString percentText(double chance)
{
    return oneDecimal(100.0 * chance) + u'%';
}

TargetOdds targetOdds(const DiceRollSetup &setup, const TargetValues &target)
{
    const qint64 outcomes = setup.randomOpposition ? Faces * Faces : Faces;
    TargetOdds odds;
    for (Fraction *chance : {&odds.success, &odds.naturalTwo, &odds.chainsRating, &odds.damageStep})
        chance->denominator = outcomes;
    const auto count = [&](qint32 roll, qint32 opposingRoll, qint64 weight) {
        const CheckOutcome outcome = checkOutcome(setup, target, roll, opposingRoll, true);
        if (outcome.verdict == true)
            odds.success.numerator += weight;
        if (isNaturalTwo(roll))
            odds.naturalTwo.numerator += weight;
        if (outcome.chainsRating)
            odds.chainsRating.numerator += weight;
        if (outcome.damageStep)
            odds.damageStep.numerator += weight;
    };
    for (qint32 roll = 2; roll <= 12; ++roll) {
        if (drawsOpposingDice(setup, roll)) {
            for (qint32 opposingRoll = 2; opposingRoll <= 12; ++opposingRoll)
                count(roll, opposingRoll, Ways[roll] * Ways[opposingRoll]);
        } else {
            count(roll, FixedOpposingRoll, Ways[roll] * (outcomes / Faces));
        }
    }

    qint64 lossOverFaces = 0;
    if (odds.damageStep.numerator > 0) {
        for (qint32 damageRoll = 2; damageRoll <= 12; ++damageRoll)
            lossOverFaces += Ways[damageRoll] * hpLoss(setup, damageRoll, *target.damageModifier);
    }
    odds.expectedLoss = {odds.damageStep.numerator * lossOverFaces, outcomes * Faces};
    return odds;
}

LineValues lineValues(const RatingTable &table, qsizetype index)
{
    LineValues line;
    try {
        line.values = table.values(index);
    } catch (const AppError &error) {
        line.fault = error.message();
    }
    return line;
}

RatingOdds ratingOdds(const RatingTable &table, qsizetype index, const RatingRollSetup &setup)
{
    return ratingOdds(lineValues(table, index), setup);
}

RatingOdds ratingOdds(const LineValues &line, const RatingRollSetup &setup)
{
    RatingOdds odds;
    odds.critical.denominator = Faces;
    if (line.fault) {
        odds.fault = line.fault;
        return odds;
    }
    double valuesOverFaces = 0;
    double firstOverFaces = 0;
    qint64 rollingAgain = 0;
    for (const ResultRule &rule : resultRules(line.values, setup)) {
        valuesOverFaces += double(rule.ways) * double(rule.value);
        if (rule.again)
            rollingAgain += rule.ways;
        if (rule.fails)
            continue;
        firstOverFaces += double(rule.ways) * (double(rule.value) + setup.modifier);
        if (rule.again)
            odds.critical.numerator += rule.ways;
    }
    // Every roll after a critical adds a value and rolls again with the same
    // chance, so the expected sum of what follows a critical is a geometric
    // series. The critical value is never below 8, so a 2 never rolls again
    // and the series converges.
    const double afterCritical = valuesOverFaces / double(Faces - rollingAgain);
    odds.expectedTotal = (firstOverFaces + double(odds.critical.numerator) * afterCritical) / double(Faces);
    return odds;
}

double RatingDistribution::chance(qint64 total) const noexcept
{
    if (m_chances.isEmpty() || total < lowest() || total > highest())
        return 0;
    return m_chances[total - m_lowest];
}

double RatingDistribution::atLeast(qint64 total) const noexcept
{
    if (m_chances.isEmpty() || total > highest())
        return 0;
    return m_atLeast[total <= m_lowest ? 0 : total - m_lowest];
}

RatingDistribution ratingDistribution(const RatingTable &table, qsizetype index, const RatingRollSetup &setup)
{
    return ratingDistribution(lineValues(table, index), setup);
}

RatingDistribution ratingDistribution(const LineValues &line, const RatingRollSetup &setup)
{
    RatingDistribution distribution;
    if (line.fault) {
        distribution.fault = line.fault;
        return distribution;
    }
    // The results that end a chain, those of them that end it as its first
    // result without failing it, and those that roll again. A 2 never rolls
    // again: the critical value is at least 8.
    QList<Point> ends;
    QList<Point> firstEnds;
    QList<Point> again;
    double againChance = 0;
    for (const ResultRule &rule : resultRules(line.values, setup)) {
        const Point point{rule.value, double(rule.ways) / double(Faces)};
        if (rule.fails) {
            distribution.fumble += point.chance;
        } else if (!rule.again) {
            firstEnds.append(point);
        }
        if (rule.again) {
            again.append(point);
            againChance += point.chance;
        } else {
            ends.append(point);
        }
    }
    // The chain has no last roll: it goes on for as long as each roll is a
    // critical. Chains longer than `depth` rolls are left out; all their
    // first `depth` rolls are criticals, which has a chance below 1e-12, so
    // the chances sum to 1 within that.
    int depth = 1;
    for (double longer = againChance; longer >= 1e-12; longer *= againChance)
        ++depth;
    // From the last roll kept back to the second: the sums of the rolls
    // from there on.
    Spread following;
    for (int roll = depth; roll > 1; --roll) {
        std::optional<Spread> more = oneRollMore(ends, again, following);
        if (!more)
            return tooSpread();
        following = std::move(*more);
    }
    std::optional<Spread> sums = oneRollMore(firstEnds, again, following);
    if (!sums)
        return tooSpread();

    distribution.m_lowest = sums->lowest + setup.modifier;
    distribution.m_chances = std::move(sums->chances);
    const qsizetype count = distribution.m_chances.size();
    distribution.m_atLeast.resize(count);
    double above = 0;
    double mean = 0;
    for (qsizetype i = count - 1; i >= 0; --i) {
        const double chance = distribution.m_chances[i];
        above += chance;
        distribution.m_atLeast[i] = above;
        mean += chance * double(distribution.m_lowest + i);
    }
    distribution.m_mean = mean;
    return distribution;
}

std::optional<double> killChance(const TargetOdds &odds, const RatingDistribution &totals,
                                 const HitTarget &target) noexcept
{
    if (isDown(target.presentHp))
        return std::nullopt;
    // With HP above 0, max(0, total - protection) reaches it exactly when
    // the total reaches HP + protection. The check dice and the rating dice
    // fall apart from each other.
    return odds.chainsRating.value() * totals.atLeast(qint64(target.presentHp) + target.protection);
}

QString nothingToRollText(NothingToRoll reason)
{
    switch (reason) {
    case NothingToRoll::NoCheckType:
        return u"判定が選ばれていません"_s;
    case NothingToRoll::NoEnemyChosen:
        return u"対象の敵が選ばれていません"_s;
    case NothingToRoll::NoEnemies:
        return u"敵がいません"_s;
    case NothingToRoll::NoEnemyStanding:
        return u"倒れていない敵がいません"_s;
    case NothingToRoll::NoRating:
        break;
    }
    return u"威力が選ばれていません"_s;
}

ChainedRating chainedRating(const RatingTable &table, qsizetype index, const RatingRollSetup &setup,
                            const QList<NamedTarget> &targets)
{
    const LineValues line = lineValues(table, index);
    ChainedRating chained{ratingOdds(line, setup), std::nullopt};
    if (std::any_of(targets.cbegin(), targets.cend(), [](const NamedTarget &t) { return t.values.hitTarget; }))
        chained.totals = ratingDistribution(line, setup);
    return chained;
}

QString diceRollOddsText(const DiceRollSetup &setup, const QList<NamedTarget> &targets, qint64 targetCount,
                         const std::optional<ChainedRating> &chained)
{
    const RatingOdds *rating = chained ? &chained->odds : nullptr;
    const bool dodge = setup.checkType == CheckType::Dodge;
    const bool compared = setup.targetMode != TargetMode::None;
    QStringList lines;
    for (const NamedTarget &target : targets) {
        const TargetOdds odds = targetOdds(setup, target.values);
        QStringList parts;
        if (!compared)
            parts.append(u"自動失敗 "_s + percent(odds.naturalTwo));
        else
            parts.append((dodge ? u"回避 "_s : u"成功 "_s) + percent(odds.success));
        if (rating && !rating->fault)
            parts.append(u"威力期待値 "_s + oneDecimal(odds.chainsRating.value() * rating->expectedTotal));
        if (target.values.damageModifier)
            parts.append(u"被ダメージ期待値 "_s + oneDecimal(odds.expectedLoss.value()));
        if (chained && chained->totals && !chained->totals->fault && target.values.hitTarget) {
            if (const std::optional<double> kill = killChance(odds, *chained->totals, *target.values.hitTarget))
                parts.append(u"撃破 "_s + percentText(*kill));
        }
        const QString line = parts.join(u"、"_s);
        lines.append(compared ? target.name + u": "_s + line : line);
    }
    if (targetCount > targets.size())
        lines.append(u"ほか %1 体"_s.arg(targetCount - targets.size()));
    if (rating && rating->fault)
        lines.append(ratingRollOddsText(*rating));
    return lines.join(u'\n');
}

QString ratingRollOddsText(const RatingOdds &odds)
{
    if (odds.fault)
        return u"この威力は振れないことがあります（%1）"_s.arg(*odds.fault);
    return u"期待値 "_s + oneDecimal(odds.expectedTotal) + u"、クリティカル "_s + percent(odds.critical);
}
