#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// Integers as the program writes and reads them: 32 bits, wrapping on
// overflow, read from text by one rule.

// Reads a decimal integer with leading blanks and one sign, or a hexadecimal
// one after "$" or "0x" (up to 32 bits, taken as two's complement). Anything
// else, including a trailing blank, an empty text and a decimal value outside
// 32 bits, is no integer.
[[nodiscard]] std::optional<qint32> parseIntText(QStringView text);

// The same rule, raising the conversion error for a text that is no integer.
[[nodiscard]] qint32 strToInt(const QString &text);

// The limits of a numeric field, and how the field reads its text. Equal
// limits mean none.
struct IntRange
{
    qint32 min = 0;
    qint32 max = 0;

    [[nodiscard]] constexpr bool isLimited() const noexcept { return min != max; }
    [[nodiscard]] constexpr qint32 clamped(qint32 value) const noexcept
    {
        return !isLimited() ? value : value < min ? min : value > max ? max : value;
    }
    // The text read as an integer; a text that is none reads as the minimum.
    [[nodiscard]] qint32 valueOf(QStringView text) const { return parseIntText(text).value_or(min); }
};

// 32-bit two's complement arithmetic that wraps instead of overflowing.
[[nodiscard]] constexpr qint32 wrapAdd(qint32 a, qint32 b) noexcept
{
    return static_cast<qint32>(static_cast<quint32>(a) + static_cast<quint32>(b));
}
[[nodiscard]] constexpr qint32 wrapSub(qint32 a, qint32 b) noexcept
{
    return static_cast<qint32>(static_cast<quint32>(a) - static_cast<quint32>(b));
}
[[nodiscard]] constexpr qint32 wrapMul(qint32 a, qint32 b) noexcept
{
    return static_cast<qint32>(static_cast<quint32>(a) * static_cast<quint32>(b));
}
