#pragma once

#include "rules/checkresolution.h"
#include "rules/rating.h"

#include <QList>
#include <QString>

#include <optional>

// The exact odds of what Dice Roll and Rating Roll leave to the dice, from
// the same inputs the commands read and through the same rules they follow,
// and the texts the two buttons' tool tips show them in.

// A number as the odds show it: to one decimal, never "-0.0"; a chance as
// a percentage so.
[[nodiscard]] QString oneDecimal(double value);
[[nodiscard]] QString percentText(double chance);

// An exact fraction of equally likely outcomes.
struct Fraction
{
    qint64 numerator = 0;
    qint64 denominator = 1;

    [[nodiscard]] double value() const noexcept { return double(numerator) / double(denominator); }
};

// One target of a Dice Roll click. Chances are counted over the 36 faces of
// the check dice (times the 36 of the opposing dice in random mode), the
// expected loss over those times the 36 of the damage dice.
struct TargetOdds
{
    // A compared verdict of success; none in target mode none.
    Fraction success;
    Fraction naturalTwo;
    // The chained rating roll runs.
    Fraction chainsRating;
    // The enemy's damage roll follows.
    Fraction damageStep;
    // The HP it costs on average.
    Fraction expectedLoss;
};
// The odds of the click's first target. A later target's would be the same:
// the success flag a target takes over from the one before never decides
// anything, since a natural 2 neither chains nor escapes the damage step.
[[nodiscard]] TargetOdds targetOdds(const DiceRollSetup &setup, const TargetValues &target);

// One Rating Roll.
struct RatingOdds
{
    // The line's total, the chain's sum plus the modifier; a first result of
    // 2 writes no total and counts 0. Totals are taken as they are, not
    // wrapped at 32 bits as the log writes them.
    double expectedTotal = 0;
    // The chain rolls again at least once.
    Fraction critical;
    // The error a roll may end with: the rating lacks a value for a result,
    // or holds one that is no integer.
    std::optional<QString> fault;
};
[[nodiscard]] RatingOdds ratingOdds(const RatingTable &table, qsizetype index, const RatingRollSetup &setup);

// A rating line's values as the odds read them, once for every setup: all of
// them, or the error a roll may end with.
struct LineValues
{
    RatingValues values{};
    std::optional<QString> fault;
};
[[nodiscard]] LineValues lineValues(const RatingTable &table, qsizetype index);
[[nodiscard]] RatingOdds ratingOdds(const LineValues &line, const RatingRollSetup &setup);

// The chances of what one Rating Roll writes: no total after a first result
// of 2, else each total, the chain's sum plus the modifier, taken wide as
// the expected total is. Computed once, then read per total in constant time.
class RatingDistribution
{
public:
    // Why there are no chances: the error a roll may end with, or totals
    // spread too wide to count one by one.
    std::optional<QString> fault;
    // The chance of a first result of 2.
    double fumble = 0;

    // The lowest and highest totals with a chance; the chains too unlikely
    // to count are left out (see ratingDistribution).
    [[nodiscard]] qint64 lowest() const noexcept { return m_lowest; }
    [[nodiscard]] qint64 highest() const noexcept { return m_lowest + m_chances.size() - 1; }
    [[nodiscard]] double chance(qint64 total) const noexcept;
    // The chance of a total of at least `total`; a first result of 2 has none.
    [[nodiscard]] double atLeast(qint64 total) const noexcept;
    // The expected total, a first result of 2 counting 0.
    [[nodiscard]] double mean() const noexcept { return m_mean; }

private:
    friend RatingDistribution ratingDistribution(const LineValues &line, const RatingRollSetup &setup);

    qint64 m_lowest = 0;
    QList<double> m_chances;
    QList<double> m_atLeast;
    double m_mean = 0;
};
// At most this many totals, from the lowest to the highest, are counted.
inline constexpr qint64 MostTotals = qint64(1) << 18;
[[nodiscard]] RatingDistribution ratingDistribution(const LineValues &line, const RatingRollSetup &setup);
[[nodiscard]] RatingDistribution ratingDistribution(const RatingTable &table, qsizetype index,
                                                    const RatingRollSetup &setup);

// The chance that a hit brings the enemy down while the fight's books are
// kept: it succeeds, its rating roll has a total (no first result of 2), and
// that total less the protection reaches the present HP. Exact but for the
// chains too long for `totals` to count (see ratingDistribution), and taken
// wide as the totals are. None for a row already down.
[[nodiscard]] std::optional<double> killChance(const TargetOdds &odds, const RatingDistribution &totals,
                                               const HitTarget &target) noexcept;

// Why a command has nothing to roll, as its tool tip says it.
[[nodiscard]] QString nothingToRollText(NothingToRoll reason);

// A target as the Dice Roll tool tip names it: the enemy's name, or the
// opposing number; target mode none names none.
struct NamedTarget
{
    QString name;
    TargetValues values;
};
// The Dice Roll tool tip shows at most this many targets.
inline constexpr qsizetype ShownTargets = 12;
// The rating roll a check chains, as the Dice Roll tool tip needs it: its
// odds, and the chances of its totals where a target's line tells the chance
// to bring the enemy down.
struct ChainedRating
{
    RatingOdds odds;
    std::optional<RatingDistribution> totals;
};
[[nodiscard]] ChainedRating chainedRating(const RatingTable &table, qsizetype index, const RatingRollSetup &setup,
                                          const QList<NamedTarget> &targets);
// One line per target, then how many more the click would roll against.
// `chained` is the rating the check chains, if it chains one.
[[nodiscard]] QString diceRollOddsText(const DiceRollSetup &setup, const QList<NamedTarget> &targets,
                                       qint64 targetCount, const std::optional<ChainedRating> &chained);
[[nodiscard]] QString ratingRollOddsText(const RatingOdds &odds);
