// The integer-text rule against an independent reading: the text is
// classified by its characters and the digits are read by std::from_chars,
// so a wrong value is a finding, not only a crash. The input is read once as
// Latin-1 and once as UTF-16, where any character above U+00FF makes the
// text no integer.

#include "rules/apperror.h"
#include "rules/inttext.h"

#include <QString>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace {

std::optional<qint32> expectedValue(const std::string &text)
{
    std::string_view rest(text);
    rest.remove_prefix(std::min(rest.find_first_not_of(' '), rest.size()));
    bool negative = false;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    int base = 10;
    if (rest.starts_with('$')) {
        base = 16;
        rest.remove_prefix(1);
    } else if (rest.starts_with("0x") || rest.starts_with("0X")) {
        base = 16;
        rest.remove_prefix(2);
    }
    const auto isDigit
        = [base](char c) { return base == 16 ? std::isxdigit(static_cast<unsigned char>(c)) : (c >= '0' && c <= '9'); };
    if (rest.empty() || !std::all_of(rest.begin(), rest.end(), isDigit))
        return std::nullopt;

    // Leading zeros never change the value; from_chars reads the rest.
    rest.remove_prefix(std::min(rest.find_first_not_of('0'), rest.size() - 1));
    quint64 magnitude = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), magnitude, base);
    if (error != std::errc() || end != rest.data() + rest.size())
        return std::nullopt;
    if (base == 16) {
        if (magnitude > 0xFFFFFFFFull)
            return std::nullopt;
        const auto bits = static_cast<quint32>(magnitude);
        return static_cast<qint32>(negative ? 0u - bits : bits);
    }
    if (magnitude > (negative ? 0x80000000ull : 0x7FFFFFFFull))
        return std::nullopt;
    return static_cast<qint32>(negative ? -static_cast<qint64>(magnitude) : static_cast<qint64>(magnitude));
}

void check(const QString &text, const std::optional<qint32> &expected)
{
    if (parseIntText(text) != expected)
        std::abort();
    try {
        if (strToInt(text) != expected.value_or(0) || !expected)
            std::abort();
    } catch (const AppError &) {
        if (expected)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string latin1(reinterpret_cast<const char *>(data), size);
    check(QString::fromLatin1(latin1.data(), qsizetype(latin1.size())), expectedValue(latin1));

    QString utf16(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(utf16.data(), data, size / 2 * 2);
    const bool narrow = std::all_of(utf16.cbegin(), utf16.cend(), [](QChar c) { return c.unicode() < 256; });
    check(utf16, narrow ? expectedValue(utf16.toLatin1().toStdString()) : std::nullopt);
    return 0;
}
