#include "rules/textlist.h"

#include "rules/apperror.h"
#include "rules/filereading.h"

namespace {

char unit(char c)
{
    return c;
}
char16_t unit(QChar c)
{
    return c.unicode();
}
QByteArray toItem(QByteArrayView v)
{
    return v.toByteArray();
}
QString toItem(QStringView v)
{
    return v.toString();
}

// One algorithm over bytes and UTF-16 alike. With `endedByBlank`, also
// notes for each item whether blanks alone parted it from the next one.
template<typename Char, typename Item, typename View>
QList<Item> splitImpl(View line, Char delimiter, QList<bool> *endedByBlank = nullptr)
{
    constexpr Char quote = '"';
    const auto isBlank = [](Char c) { return c >= 1 && c <= 32; };
    QList<Item> items;
    qsizetype p = 0;
    qsizetype n = line.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (unit(line[i]) == 0) {
            n = i;
            break;
        }
    }
    const auto at = [&](qsizetype i) -> Char { return i < n ? unit(line[i]) : Char(0); };

    while (p < n && isBlank(at(p)))
        ++p;
    while (p < n) {
        Item item;
        if (at(p) == quote) {
            ++p;
            for (;;) {
                if (p >= n)
                    break;
                if (at(p) == quote) {
                    if (at(p + 1) == quote) {
                        item.append(quote);
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                item.append(at(p));
                ++p;
            }
        } else {
            const qsizetype start = p;
            while (p < n && !isBlank(at(p)) && at(p) != delimiter)
                ++p;
            item = toItem(line.sliced(start, p - start));
        }
        items.append(item);
        while (p < n && isBlank(at(p)))
            ++p;
        if (endedByBlank)
            endedByBlank->append(p < n && at(p) != delimiter);
        if (p < n && at(p) == delimiter) {
            if (p + 1 >= n)
                items.append(Item());
            do {
                ++p;
            } while (p < n && isBlank(at(p)));
        }
    }
    return items;
}

} // namespace

QList<QByteArray> splitDelimited(QByteArrayView line, char delimiter)
{
    return splitImpl<char, QByteArray>(line, delimiter);
}

QStringList splitDelimited(QStringView line, char16_t delimiter)
{
    return splitImpl<char16_t, QString>(line, delimiter);
}

bool firstItemEndsAtBlank(QByteArrayView line, char delimiter)
{
    QList<bool> endedByBlank;
    (void)splitImpl<char, QByteArray>(line, delimiter, &endedByBlank);
    return !endedByBlank.isEmpty() && endedByBlank.constFirst();
}

QList<QByteArray> splitLines(QByteArrayView bytes)
{
    QList<QByteArray> lines;
    qsizetype p = 0;
    const qsizetype n = bytes.size();
    const auto at = [&](qsizetype i) { return i < n ? bytes[i] : '\0'; };
    while (at(p) != '\0') {
        const qsizetype start = p;
        while (at(p) != '\0' && at(p) != '\n' && at(p) != '\r')
            ++p;
        lines.append(bytes.sliced(start, p - start).toByteArray());
        if (at(p) == '\r')
            ++p;
        if (at(p) == '\n')
            ++p;
    }
    return lines;
}

QList<QByteArray> loadTextFile(const QString &fileName)
{
    const std::optional<QByteArray> bytes = readRegularFile(fileName);
    if (!bytes)
        throw AppError::fileOpen(fileName);
    return splitLines(*bytes);
}
