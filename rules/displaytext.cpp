#include "rules/displaytext.h"

#include <QStringDecoder>

#include <limits>
#include <vector>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

constexpr char16_t Replacement = 0xFFFD;

bool isLeadByte(quint8 b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

bool isTrailByte(quint8 b)
{
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

bool isHalfWidthKatakana(quint8 b)
{
    return b >= 0xA1 && b <= 0xDF;
}

// Shift-JIS as code page 932 maps it: the platform's own table on Windows,
// ICU's through Qt elsewhere. A decoder that does not know the code page (Qt
// built without ICU) gives nothing, and so does Windows for a text holding
// any pair it does not assign.
class CodePage932
{
public:
    QString operator()(QByteArrayView bytes)
    {
#ifdef Q_OS_WIN
        // Labels come from files of at most a few MiB; a longer text than an
        // int can count is decoded pair by pair, as after any failure.
        if (bytes.isEmpty() || bytes.size() > std::numeric_limits<int>::max())
            return {};
        const int size = int(bytes.size());
        const int units = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
        if (units <= 0)
            return {};
        QString text(units, Qt::Uninitialized);
        MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data(), size, reinterpret_cast<wchar_t *>(text.data()),
                            units);
        return text;
#else
        return m_decoder.isValid() ? QString(m_decoder(bytes)) : QString();
#endif
    }

private:
#ifndef Q_OS_WIN
    QStringDecoder m_decoder{"Shift_JIS", QStringDecoder::Flag::Stateless};
#endif
};

// Decodes every two-byte character of a Shift-JIS text, given as the
// concatenated pairs, into one UTF-16 unit each, or into U+FFFD for a pair
// that the code page does not assign.
std::vector<char16_t> decodePairs(const QByteArray &pairs)
{
    std::vector<char16_t> units(pairs.size() / 2, Replacement);
    CodePage932 decoder;
    // One call for all pairs is fast; it lines up with the pairs exactly when
    // every pair gave one unit, which holds for the code page as shipped.
    const QString all = decoder(pairs);
    const bool aligned = all.size() == qsizetype(units.size());
    const auto decodeOne = [&](size_t i) {
        const QString one = decoder(QByteArrayView(pairs).sliced(qsizetype(2 * i), 2));
        return one.size() == 1 ? one.front() : QChar(Replacement);
    };
    for (size_t i = 0; i < units.size(); ++i) {
        const QChar unit = aligned ? all.at(qsizetype(i)) : decodeOne(i);
        // ICU substitutes U+001A or U+FFFD for what it cannot map; no pair
        // stands for a control character.
        if (unit.category() != QChar::Other_Control)
            units[i] = unit.unicode();
    }
    return units;
}

// Shift-JIS as Windows writes it: bytes 0x00-0x7F are ASCII, 0xA1-0xDF
// half-width katakana, and a lead byte with a trail byte one character. A
// lead byte without a trail byte is undecodable on its own, and the byte
// after it is read afresh, so that a blank or comma behind it stays one.
QString decodeShiftJis(QByteArrayView bytes)
{
    enum class Kind { Single, Pair, Undecodable };
    QByteArray pairs;
    std::vector<Kind> kinds;
    kinds.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = quint8(bytes[i]);
        if (b < 0x80 || isHalfWidthKatakana(b)) {
            kinds.push_back(Kind::Single);
        } else if (isLeadByte(b) && i + 1 < bytes.size() && isTrailByte(quint8(bytes[i + 1]))) {
            kinds.push_back(Kind::Pair);
            pairs.append(bytes.sliced(i, 2));
            ++i;
        } else {
            kinds.push_back(Kind::Undecodable);
        }
    }

    const std::vector<char16_t> pairUnits = decodePairs(pairs);
    QString text;
    text.reserve(bytes.size());
    qsizetype i = 0;
    size_t pair = 0;
    for (const Kind kind : kinds) {
        const auto b = quint8(bytes[i]);
        switch (kind) {
        case Kind::Single:
            // The code page's own table swaps a few control codes (0x1A, 0x1C,
            // 0x7F); a byte below 0x80 is shown as the character it is.
            text.append(QChar(b < 0x80 ? char16_t(b) : char16_t(0xFF61 + (b - 0xA1))));
            ++i;
            break;
        case Kind::Pair:
            if (pairUnits[pair] == Replacement)
                text.append(QString(2, QChar(Replacement)));
            else
                text.append(QChar(pairUnits[pair]));
            ++pair;
            i += 2;
            break;
        case Kind::Undecodable:
            text.append(QChar(Replacement));
            ++i;
            break;
        }
    }
    return text;
}

} // namespace

TextEncoding encodingOf(QByteArrayView text)
{
    // Tables written on a Japanese Windows are Shift-JIS; ones edited
    // elsewhere are usually UTF-8. A Shift-JIS text of any length is almost
    // never valid UTF-8 as a whole, though a short stretch of it can be.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8(text);
    return utf8.hasError() ? TextEncoding::ShiftJis : TextEncoding::Utf8;
}

QString decodeText(QByteArrayView bytes, TextEncoding encoding)
{
    if (encoding == TextEncoding::ShiftJis)
        return decodeShiftJis(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    return utf8(bytes);
}

QString decodeLabel(QByteArrayView bytes)
{
    return decodeText(bytes, encodingOf(bytes));
}

QString shortenForDisplay(const QString &text)
{
    qsizetype end = 0;
    for (qsizetype n = 0; n < MaxDisplayCharacters && end < text.size(); ++n) {
        const bool pair = text.at(end).isHighSurrogate() && end + 1 < text.size() && text.at(end + 1).isLowSurrogate();
        end += pair ? 2 : 1;
    }
    if (end >= text.size())
        return text;
    return text.first(end) + u'…';
}
