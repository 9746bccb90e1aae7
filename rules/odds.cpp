#include "rules/odds.h"

#include "rules/apperror.h"

#include <QStringList>

#include <array>

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

QString oneDecimal(double value)
{
    QString text = QString::number(value, 'f', 1);
    // A small negative value rounds to 0.0, not to -0.0.
    if (text == u"-0.0"_s)
        text.remove(0, 1);
    return text;
}

QString percent(const Fraction &chance)
{
    return oneDecimal(100.0 * chance.value()) + u'%';
}

} // namespace

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

RatingOdds ratingOdds(const RatingTable &table, qsizetype index, const RatingRollSetup &setup)
{
    RatingOdds odds;
    odds.critical.denominator = Faces;
    const qint32 critical = setup.criticalValue();
    double valuesOverFaces = 0;
    double firstOverFaces = 0;
    qint64 rollingAgain = 0;
    try {
        for (qint32 result = 2; result <= 12; ++result) {
            // A chain of this one result: what it adds, and what the roll
            // makes of it as the first result.
            const QString chain = QString::number(result);
            const double value = table.sumRating(index, chain);
            const bool again = rollsAgain(result, critical, setup.criticalsOn);
            valuesOverFaces += Ways[result] * value;
            if (again)
                rollingAgain += Ways[result];
            if (ratingFumbled(chain))
                continue;
            firstOverFaces += Ways[result] * (value + setup.modifier);
            if (again)
                odds.critical.numerator += Ways[result];
        }
    } catch (const AppError &error) {
        odds.fault = error.message();
        return odds;
    }
    // Every roll after a critical adds a value and rolls again with the same
    // chance, so the expected sum of what follows a critical is a geometric
    // series. The critical value is never below 8, so a 2 never rolls again
    // and the series converges.
    const double afterCritical = valuesOverFaces / double(Faces - rollingAgain);
    odds.expectedTotal = (firstOverFaces + double(odds.critical.numerator) * afterCritical) / double(Faces);
    return odds;
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

QString diceRollOddsText(const DiceRollSetup &setup, const QList<NamedTarget> &targets, qint64 targetCount,
                         const std::optional<RatingOdds> &chained)
{
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
        if (chained && !chained->fault)
            parts.append(u"威力期待値 "_s + oneDecimal(odds.chainsRating.value() * chained->expectedTotal));
        if (target.values.damageModifier)
            parts.append(u"被ダメージ期待値 "_s + oneDecimal(odds.expectedLoss.value()));
        const QString line = parts.join(u"、"_s);
        lines.append(compared ? target.name + u": "_s + line : line);
    }
    if (targetCount > targets.size())
        lines.append(u"ほか %1 体"_s.arg(targetCount - targets.size()));
    if (chained && chained->fault)
        lines.append(ratingRollOddsText(*chained));
    return lines.join(u'\n');
}

QString ratingRollOddsText(const RatingOdds &odds)
{
    if (odds.fault)
        return u"この威力は振れないことがあります（%1）"_s.arg(*odds.fault);
    return u"期待値 "_s + oneDecimal(odds.expectedTotal) + u"、クリティカル "_s + percent(odds.critical);
}
