// Label decoding and shortening over arbitrary bytes. Valid UTF-8, told by
// a validator of its own, must decode as UTF-8; anything else is read as
// Shift-JIS, which accounts for every byte (one unit per byte or per pair)
// and yields no control character that the bytes did not hold. Shortening
// keeps whole characters.

#include "rules/displaytext.h"

#include <QString>

#include <cstdlib>

namespace {

// RFC 3629: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isUtf8(QByteArrayView bytes)
{
    for (qsizetype i = 0; i < bytes.size();) {
        const auto b = quint8(bytes[i]);
        // The length of the sequence and the range of its second byte.
        int length = 1;
        quint8 low = 0x80;
        quint8 high = 0xBF;
        if (b >= 0xC2 && b <= 0xDF) {
            length = 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3;
            low = b == 0xE0 ? 0xA0 : 0x80;
            high = b == 0xED ? 0x9F : 0xBF;
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4;
            low = b == 0xF0 ? 0x90 : 0x80;
            high = b == 0xF4 ? 0x8F : 0xBF;
        } else if (b >= 0x80) {
            return false;
        }
        if (i + length > bytes.size())
            return false;
        for (int k = 1; k < length; ++k) {
            const auto c = quint8(bytes[i + k]);
            if (c < (k == 1 ? low : 0x80) || c > (k == 1 ? high : 0xBF))
                return false;
        }
        i += length;
    }
    return true;
}

void checkShortened(const QString &text)
{
    const QString shown = shortenForDisplay(text);
    qsizetype characters = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!(text.at(i).isLowSurrogate() && i > 0 && text.at(i - 1).isHighSurrogate()))
            ++characters;
    }
    if (characters <= MaxDisplayCharacters) {
        if (shown != text)
            std::abort();
        return;
    }
    const QString kept = shown.chopped(1);
    if (!shown.endsWith(u'…') || !text.startsWith(kept) || shortenForDisplay(kept) != kept)
        std::abort();
    // The cut never parts a surrogate pair.
    if (kept.back().isHighSurrogate() && text.at(kept.size()).isLowSurrogate())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const QString text = decodeLabel(bytes);
    if (isUtf8(bytes)) {
        // Both drop one byte order mark at the start.
        if (text != QString::fromUtf8(bytes))
            std::abort();
    } else {
        if (text.size() > bytes.size() || 2 * text.size() < bytes.size())
            std::abort();
        for (const QChar c : text) {
            const bool control = c.category() == QChar::Other_Control;
            if (control && (c.unicode() >= 0x80 || !bytes.contains(char(c.unicode()))))
                std::abort();
            if (c.isSurrogate())
                std::abort();
        }
    }
    checkShortened(text);
    return 0;
}
