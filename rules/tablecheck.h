#pragma once

#include "rules/displaytext.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// A rating table checked by reading it as the program does and asking every
// line what a start and a roll of each 2D6 result would ask of it.

enum class TableFault {
    // Errors: a start or a roll stops at them.
    ListStops,     // a line without any field ends the rating list at start
    MissingValues, // a line too short for the highest results
    NotInteger,    // a value a roll needs is no integer
    // Warnings: the line is read otherwise than it was likely meant.
    LabelCut,    // an unquoted label ends at its first blank
    ExtraValues, // values past the one for 12 are never read
};

struct TableFinding
{
    TableFault fault = TableFault::ListStops;
    // The line, counted from 1.
    qsizetype line = 0;
    // The 2D6 results whose rolls stop here, from first to last; 0 for none.
    qint32 firstResult = 0;
    qint32 lastResult = 0;
    // What is wrong, in the words of the report, with the error a user meets.
    QString text;

    [[nodiscard]] bool isError() const noexcept { return fault < TableFault::LabelCut; }
};

// A file of nothing but broken lines could otherwise fill hundreds of MB.
inline constexpr qsizetype MaxListedFindings = 1000;

struct TableCheck
{
    // The open error, when the file cannot be read at all.
    std::optional<QString> openError;
    qsizetype lineCount = 0;
    // The ratings the list offers at start: the lines before the first that
    // stops it.
    qsizetype ratings = 0;
    TextEncoding encoding = TextEncoding::Utf8;
    // In line order, the first MaxListedFindings; the others are counted.
    QList<TableFinding> findings;
    qsizetype unlistedFindings = 0;
    qsizetype linesWithErrors = 0;
    qsizetype warnings = 0;

    // 0 when the table was read, offers a rating and every line serves every
    // result, else 1.
    [[nodiscard]] int exitStatus() const;
    // One line per finding, "name:line: error: ..." or "... warning: ...",
    // then a summary in Japanese.
    [[nodiscard]] QStringList report(const QString &name) const;
};

// Reads the table `fileName` as the program reads it at start.
[[nodiscard]] TableCheck checkRatingTable(const QString &fileName);
