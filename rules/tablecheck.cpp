#include "rules/tablecheck.h"

#include "rules/apperror.h"
#include "rules/rating.h"
#include "rules/textlist.h"

#include <functional>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

constexpr qint32 LowestResult = 3;
constexpr qint32 HighestResult = 12;
constexpr qsizetype ValueCount = HighestResult - LowestResult + 1;

// The error `step` raises, as the error display shows it; empty when it
// raises none.
QString raisedText(const std::function<void()> &step)
{
    try {
        step();
    } catch (const AppError &error) {
        return AppError::shownText(error.message());
    }
    return {};
}

QString quoted(const QString &text)
{
    return u'"' + text + u'"';
}

// Keeps the findings of a check, line by line, and counts them.
class Findings
{
public:
    explicit Findings(TableCheck &check)
        : m_check(check)
    {
    }

    void add(TableFinding finding)
    {
        if (!finding.isError())
            ++m_check.warnings;
        else if (std::exchange(m_lastErrorLine, finding.line) != finding.line)
            ++m_check.linesWithErrors;
        if (m_check.findings.size() < MaxListedFindings)
            m_check.findings.append(std::move(finding));
        else
            ++m_check.unlistedFindings;
    }

private:
    TableCheck &m_check;
    qsizetype m_lastErrorLine = 0;
};

// Every value of line `index` that a roll reads, in result order.
void checkValues(const RatingTable &table, qsizetype index, Findings &findings)
{
    const qsizetype line = index + 1;
    for (qint32 result = LowestResult; result <= HighestResult; ++result) {
        const RatingField field = table.field(index, result);
        const QString error = raisedText([&] { (void)field.valueOrRaise(); });
        if (error.isEmpty())
            continue;
        if (field.present) {
            findings.add({TableFault::NotInteger, line, result, result,
                          u"field %1 is not an integer, for the 2D6 result %2: a roll of %2 stops with %3"_s.arg(
                              QString::number(field.field), QString::number(result), quoted(error))});
            continue;
        }
        // Every field after a missing one is missing too.
        const QString missing = result == HighestResult
            ? u"no value for the 2D6 result 12 (field 10)"_s
            : u"no value for the 2D6 results %1 to 12 (fields %2 to 10)"_s.arg(result).arg(field.field);
        findings.add({TableFault::MissingValues, line, result, HighestResult,
                      missing + u": a roll of %1 stops with %2"_s.arg(QString::number(result), quoted(error))});
        return;
    }
}

// What a line's fields say about how it was written.
void checkWriting(const RatingTable &table, qsizetype index, Findings &findings)
{
    const qsizetype line = index + 1;
    const QByteArray &bytes = table.lines().at(index);
    const QList<QByteArray> fields = commaText(bytes);
    if (firstItemEndsAtBlank(bytes, ',')) {
        const QString next = shortenForDisplay(decodeText(fields.at(1), table.encoding()));
        findings.add({TableFault::LabelCut, line, 0, 0,
                      u"label cut at a blank: it reads %1, and %2 is taken as field 1, for the 2D6 result 3; "
                      "a label with blanks needs double quotes"_s.arg(quoted(table.label(index)), quoted(next))});
    } else if (fields.size() - 1 > ValueCount) {
        findings.add({TableFault::ExtraValues, line, 0, 0,
                      u"%1 values: only the first 10 are read, for the 2D6 results 3 to 12"_s.arg(fields.size() - 1)});
    }
}

QString encodingName(TextEncoding encoding)
{
    return encoding == TextEncoding::Utf8 ? u"UTF-8"_s : u"Shift-JIS"_s;
}

} // namespace

TableCheck checkRatingTable(const QString &fileName)
{
    TableCheck check;
    RatingTable table;
    const QString openError = raisedText([&] { table.load(fileName); });
    if (!openError.isEmpty()) {
        check.openError = openError;
        return check;
    }
    check.lineCount = table.count();
    check.encoding = table.encoding();
    Findings findings(check);
    bool listGoesOn = true;
    for (qsizetype i = 0; i < table.count(); ++i) {
        // The list offers the labels in order and stops at the first one that
        // cannot be read; each such line is reported, since fixing one stops
        // the list at the next.
        const QString labelError = raisedText([&] { (void)table.label(i); });
        if (!labelError.isEmpty()) {
            listGoesOn = false;
            const qsizetype after = table.count() - (i + 1);
            QString text = u"empty line"_s + (after == 0 ? u" at the end"_s : QString())
                + u": the rating list stops here at start with "_s + quoted(labelError);
            if (after > 0)
                text += after == 1 ? u", so the line after it cannot be chosen"_s
                                   : u", so the %1 lines after it cannot be chosen"_s.arg(after);
            findings.add({TableFault::ListStops, i + 1, 0, 0, text});
            continue;
        }
        if (listGoesOn)
            ++check.ratings;
        checkWriting(table, i, findings);
        checkValues(table, i, findings);
    }
    return check;
}

int TableCheck::exitStatus() const
{
    return !openError && ratings > 0 && linesWithErrors == 0 ? 0 : 1;
}

QStringList TableCheck::report(const QString &name) const
{
    QStringList lines;
    if (openError) {
        lines.append(name + u": error: "_s + *openError);
        lines.append(name + u": 表を読めません。ファイルがないか、通常のファイルでないか、1 MiB を超えています。"_s);
        return lines;
    }
    for (const TableFinding &finding : findings) {
        lines.append(u"%1:%2: %3: %4"_s.arg(name, QString::number(finding.line),
                                            finding.isError() ? u"error"_s : u"warning"_s, finding.text));
    }
    if (unlistedFindings > 0)
        lines.append(u"%1: %2 more problems, not listed"_s.arg(name, QString::number(unlistedFindings)));
    // A start goes on without one, but no rating can be rolled.
    if (ratings == 0)
        lines.append(name + u": error: not a single rating line: the rating list is empty at start"_s);
    QString summary = name + u": "_s;
    if (lineCount == 0) {
        summary += u"威力が 1 行もありません。"_s;
    } else {
        summary += u"%1 行 (%2)"_s.arg(lineCount).arg(encodingName(encoding));
        if (linesWithErrors == 0)
            summary += u"、エラーはありません。すべての行がすべての出目 (3〜12) に使えます。"_s;
        else
            summary += u" のうち %1 行にエラーがあります。"_s.arg(linesWithErrors);
        if (warnings > 0)
            summary += u"警告 %1 件。"_s.arg(warnings);
    }
    lines.append(summary);
    return lines;
}
