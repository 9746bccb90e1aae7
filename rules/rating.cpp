#include "rules/rating.h"

#include "rules/apperror.h"
#include "rules/checktypes.h"
#include "rules/dice.h"
#include "rules/inttext.h"
#include "rules/textlist.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The fields of one line of the table, raising the list error for a line
// that does not exist, as an indexed read of the table does.
QList<QByteArray> fieldsOf(const QList<QByteArray> &lines, qsizetype index)
{
    if (index < 0 || index >= lines.size())
        throw AppError::listIndex(index);
    return commaText(lines.at(index));
}

// Field `result - 2` of a line's fields; a result of 2 or less has none.
RatingField fieldFor(const QList<QByteArray> &fields, qint32 result, TextEncoding encoding)
{
    RatingField field;
    field.field = result - 2;
    field.present = field.field >= 1 && field.field < fields.size();
    if (field.present) {
        field.text = decodeText(fields.at(field.field), encoding);
        field.value = parseIntText(field.text);
    }
    return field;
}

} // namespace

void RatingTable::load(const QString &fileName)
{
    // A file that cannot be read leaves no ratings at all, not old ones.
    m_lines.clear();
    m_lines = loadTextFile(fileName);
    const bool utf8 = std::all_of(m_lines.cbegin(), m_lines.cend(),
                                  [](const QByteArray &line) { return encodingOf(line) == TextEncoding::Utf8; });
    m_encoding = utf8 ? TextEncoding::Utf8 : TextEncoding::ShiftJis;
}

QString RatingTable::label(qsizetype index) const
{
    const QList<QByteArray> fields = fieldsOf(m_lines, index);
    if (fields.isEmpty())
        throw AppError::listIndex(0);
    return shortenForDisplay(decodeText(fields.first(), m_encoding));
}

qint32 RatingTable::sumRating(qsizetype index, const QString &chain) const
{
    const QStringList results = slashText(chain);
    const QList<QByteArray> fields = fieldsOf(m_lines, index);
    qint32 sum = 0;
    for (const QString &result : results) {
        const qint32 r = strToInt(result);
        // A 2 has no column: the first value belongs to 3.
        if (r <= 2)
            continue;
        sum = wrapAdd(sum, fieldFor(fields, r, m_encoding).valueOrRaise());
    }
    return sum;
}

RatingField RatingTable::field(qsizetype index, qint32 result) const
{
    return fieldFor(fieldsOf(m_lines, index), result, m_encoding);
}

RatingValues RatingTable::values(qsizetype index) const
{
    const QList<QByteArray> fields = fieldsOf(m_lines, index);
    RatingValues values{};
    for (qint32 result = 3; result <= 12; ++result)
        values[result] = fieldFor(fields, result, m_encoding).valueOrRaise();
    return values;
}

qint32 RatingField::valueOrRaise() const
{
    if (!present)
        throw AppError::listIndex(field);
    if (!value)
        throw AppError::notInteger(text);
    return *value;
}

qint32 criticalValue(qint32 base, qint32 modifier)
{
    const qint32 value = wrapAdd(base, modifier);
    return value < MinimumCriticalValue ? MinimumCriticalValue : value;
}

bool rollsAgain(qint32 result, qint32 criticalValue, bool criticalsOn) noexcept
{
    return criticalsOn && result >= criticalValue;
}

QString rollRatingDice(RandomSource &random, qint32 criticalValue, bool criticalsOn)
{
    QString chain;
    qint32 sum;
    do {
        sum = sumDice(rollDice(random, 2, 6));
        chain += QString::number(sum);
        chain += u'/';
    } while (rollsAgain(sum, criticalValue, criticalsOn));
    chain.chop(1);
    return chain;
}

bool ratingFumbled(const QString &chain)
{
    return chain.section(u'/', 0, 0) == u"2"_s;
}

QString formatRatingRoll(const RatingTable &table, qsizetype index, const QString &label, const QString &chain)
{
    QString text = u"( "_s + label + u": 2D6 = "_s + chain + u" ) ->"_s;
    if (!ratingFumbled(chain))
        text += u' ' + QString::number(table.sumRating(index, chain));
    return text;
}

RatingRoll ratingRoll(const RatingTable &table, qsizetype index, const QString &label, const QString &chain,
                      qint32 modifier)
{
    const qint32 sum = table.sumRating(index, chain);
    RatingRoll roll{formatRatingRoll(table, index, label, chain), std::nullopt};
    if (ratingFumbled(chain)) {
        roll.line += checkResultText()[0];
    } else {
        roll.total = wrapAdd(sum, modifier);
        roll.line += u" + "_s + QString::number(modifier) + u" = "_s + QString::number(*roll.total);
    }
    return roll;
}

QString ratingLine(const RatingTable &table, qsizetype index, const QString &label, const QString &chain,
                   qint32 modifier)
{
    return ratingRoll(table, index, label, chain, modifier).line;
}
