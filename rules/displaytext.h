#pragma once

#include <QByteArrayView>
#include <QString>

// How texts from the rating table are turned into what the windows show.

// Table texts are bytes: valid UTF-8 is shown as UTF-8; anything else is
// read as Shift-JIS, where every byte that is not part of a Shift-JIS
// character shows as one U+FFFD, so that no byte is lost or turned into a
// control character it was not.
[[nodiscard]] QString decodeLabel(QByteArrayView bytes);

// Texts longer than this many characters are shown cut. A character here is
// one Unicode code point: a surrogate pair counts once and is never split.
inline constexpr qsizetype MaxDisplayCharacters = 100;

// The text as a window shows it: its first MaxDisplayCharacters characters
// followed by "…" when it is longer, otherwise the text itself. Keeps a list
// entry or message box with a huge text from taking seconds to lay out.
[[nodiscard]] QString shortenForDisplay(const QString &text);
