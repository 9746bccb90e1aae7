#pragma once

#include <QByteArrayView>
#include <QString>

// How texts from the rating table are turned into what the windows show.

// Table texts are bytes in one of two encodings, one for the whole file:
// UTF-8 when all of it is valid UTF-8, Shift-JIS otherwise. Deciding text by
// text would be wrong: half-width katakana pairs can be valid UTF-8 ("ﾅｲ",
// C5 B2, would show as "Ų").
enum class TextEncoding { Utf8, ShiftJis };

[[nodiscard]] TextEncoding encodingOf(QByteArrayView text);

// The bytes as text. In Shift-JIS every byte that is not part of a Shift-JIS
// character shows as one U+FFFD, so that no byte is lost or turned into a
// control character it was not.
[[nodiscard]] QString decodeText(QByteArrayView bytes, TextEncoding encoding);

// A text on its own, in the encoding it has by itself.
[[nodiscard]] QString decodeLabel(QByteArrayView bytes);

// Texts longer than this many characters are shown cut. A character here is
// one Unicode code point: a surrogate pair counts once and is never split.
inline constexpr qsizetype MaxDisplayCharacters = 100;

// The text as a window shows it: its first MaxDisplayCharacters characters
// followed by "…" when it is longer, otherwise the text itself. Keeps a list
// entry or message box with a huge text from taking seconds to lay out.
[[nodiscard]] QString shortenForDisplay(const QString &text);
