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
