#pragma once

#include "rules/displaytext.h"
#include "rules/inttext.h"
#include "rules/random.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <optional>

// The table's bare name, resolved against the working folder.
inline const QString RatingTableName = QStringLiteral("RatingTable.txt");

// What a roll reads from one line of the table for one 2D6 result.
struct RatingField
{
    // Its number in the line: result - 2, the label being field 0.
    qsizetype field = 0;
    // Whether the line has it at all.
    bool present = false;
    // Its text, decoded as the whole table is.
    QString text;
    // The integer it holds.
    std::optional<qint32> value;

    // The value; raises the list index error for a field the line lacks and
    // the conversion error for a text that is no integer, as a roll does.
    [[nodiscard]] qint32 valueOrRaise() const;
};

// The value each 2D6 result adds, indexed by the result: a 2 adds nothing,
// and 0 and 1 are never rolled.
using RatingValues = std::array<qint32, 13>;

// The rating table: one rating per line of RatingTable.txt, as comma text
// "label,v3,v4,...,v12", where field r - 2 holds the value for the 2D6
// result r. Lines are kept as the raw bytes of the file and split again by
// every roll.
class RatingTable
{
public:
    // Reads the file by its name as given. Raises the open error and stays
    // empty when it cannot be read.
    void load(const QString &fileName);

    [[nodiscard]] const QList<QByteArray> &lines() const noexcept { return m_lines; }
    [[nodiscard]] qsizetype count() const noexcept { return m_lines.size(); }

    // Field 0 of line `index`, decoded and shortened for display. A line
    // without any field raises the list index error for 0.
    [[nodiscard]] QString label(qsizetype index) const;

    // The sum of the table values of every result of the chain; a result of
    // 2 adds nothing. A missing field raises the list index error for its
    // number, a value that is no integer the conversion error.
    [[nodiscard]] qint32 sumRating(qsizetype index, const QString &chain) const;

    // The field of line `index` that a roll reads for `result`, from 3 to 12.
    [[nodiscard]] RatingField field(qsizetype index, qint32 result) const;
    // Every result's value of line `index`, from one reading of the line;
    // raises what a roll of the lowest result that cannot be read would.
    [[nodiscard]] RatingValues values(qsizetype index) const;

    [[nodiscard]] TextEncoding encoding() const noexcept { return m_encoding; }

private:
    QList<QByteArray> m_lines;
    // The whole table's: UTF-8 when every line is valid UTF-8.
    TextEncoding m_encoding = TextEncoding::Utf8;
};

// The smallest critical value a rating roll uses.
inline constexpr qint32 MinimumCriticalValue = 8;
// The limits of the critical base field.
inline constexpr IntRange CriticalBaseRange{MinimumCriticalValue, 99};

// Base plus modifier, raised to the minimum.
[[nodiscard]] qint32 criticalValue(qint32 base, qint32 modifier);

// Whether a result rolls again: while criticals are on, at or above the
// critical value.
[[nodiscard]] bool rollsAgain(qint32 result, qint32 criticalValue, bool criticalsOn) noexcept;

// What the Rating Roll command reads besides the rating.
struct RatingRollSetup
{
    qint32 criticalBase = 10;
    qint32 criticalModifier = 0;
    bool criticalsOn = true;
    // Base modifier plus temporary modifier.
    qint32 modifier = 0;

    [[nodiscard]] qint32 criticalValue() const { return ::criticalValue(criticalBase, criticalModifier); }
};

// Rolls 2D6 and rolls again for as long as a result reaches the critical
// value while criticals are on; the results joined by "/" ("10/11/5").
[[nodiscard]] QString rollRatingDice(RandomSource &random, qint32 criticalValue, bool criticalsOn);

// True when the chain's first result is 2, which fails the whole roll.
[[nodiscard]] bool ratingFumbled(const QString &chain);

// "( label: 2D6 = chain ) ->", then " " and the table sum unless fumbled.
[[nodiscard]] QString formatRatingRoll(const RatingTable &table, qsizetype index, const QString &label,
                                       const QString &chain);

// What one Rating Roll writes, and the total its line ends with: the table
// sum plus the modifier, none when a first result of 2 fails the roll.
struct RatingRoll
{
    QString line;
    std::optional<qint32> total;
};
// The whole rating line, with its total: the rating roll text, then
// " *** Failed ***" when fumbled, else " + M = sum+M".
[[nodiscard]] RatingRoll ratingRoll(const RatingTable &table, qsizetype index, const QString &label,
                                    const QString &chain, qint32 modifier);
[[nodiscard]] QString ratingLine(const RatingTable &table, qsizetype index, const QString &label, const QString &chain,
                                 qint32 modifier);
