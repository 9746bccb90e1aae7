#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Splitting one line into items, the rule shared by comma text and slash
// text: blanks (codes 1 to 32) around items are skipped, an item is a
// double-quoted string ("" inside stands for ") or a run of characters that
// are neither blanks nor the delimiter, and a delimiter that ends the line
// adds one empty item. A zero byte ends the line.
[[nodiscard]] QList<QByteArray> splitDelimited(QByteArrayView line, char delimiter);
[[nodiscard]] QStringList splitDelimited(QStringView line, char16_t delimiter);

// Whether the line's first item was ended by blanks with another item behind
// them rather than by the delimiter: "Long Blade,1" splits into Long, Blade
// and 1.
[[nodiscard]] bool firstItemEndsAtBlank(QByteArrayView line, char delimiter);

[[nodiscard]] inline QList<QByteArray> commaText(QByteArrayView line)
{
    return splitDelimited(line, ',');
}
[[nodiscard]] inline QStringList commaText(QStringView line)
{
    return splitDelimited(line, u',');
}
[[nodiscard]] inline QStringList slashText(QStringView line)
{
    return splitDelimited(line, u'/');
}

// Splits the bytes of a text file into lines: a line ends at CR, LF or CR LF;
// a last line without an end is kept; an end at the very end adds no empty
// line; a zero byte ends the text.
[[nodiscard]] QList<QByteArray> splitLines(QByteArrayView bytes);

// Reads a whole file by name into lines as above, raising the open error
// with the name as given when it cannot be read, is no regular file or
// holds more than MaxTextFileBytes.
[[nodiscard]] QList<QByteArray> loadTextFile(const QString &fileName);
