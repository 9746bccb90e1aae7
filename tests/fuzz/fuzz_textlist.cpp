// Comma text and slash text over arbitrary bytes: the byte form and the
// UTF-16 form of the one rule must agree on a Latin-1 reading of the same
// bytes, and lines never keep a line end or a zero byte.

#include "rules/textlist.h"

#include <cstdlib>

namespace {

void checkSplit(QByteArrayView bytes, char delimiter)
{
    const QList<QByteArray> items = splitDelimited(bytes, delimiter);
    const QStringList texts = splitDelimited(QString::fromLatin1(bytes), char16_t(delimiter));
    if (texts.size() != items.size())
        std::abort();
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (texts.at(i) != QString::fromLatin1(items.at(i)) || items.at(i).contains('\0'))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    checkSplit(bytes, ',');
    checkSplit(bytes, '/');

    qsizetype kept = 0;
    for (const QByteArray &line : splitLines(bytes)) {
        if (line.contains('\r') || line.contains('\n') || line.contains('\0'))
            std::abort();
        kept += line.size();
    }
    if (kept > bytes.size())
        std::abort();
    return 0;
}
