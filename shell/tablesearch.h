#pragma once

#include "rules/rating.h"

#include <QString>
#include <QStringList>

#include <optional>

// Where an installed table sits below a data folder.
inline const QString InstalledRatingTable = QStringLiteral("corvane/RatingTable.txt");

// Which file the rating table is read from. A name given on the command line
// is taken as it is. Otherwise the working folder comes first, as it always
// has; only when it holds no entry of that name at all are the other places
// tried in the order given, and the first entry found wins. With none
// anywhere the bare name stands, so its open error reads as it always did.
[[nodiscard]] QString ratingTableFile(const std::optional<QString> &given, const QStringList &otherPlaces);

// The other places a table is looked for, in order. On Windows, where the
// program is unpacked anywhere and started from a shortcut: beside the
// executable, then %LOCALAPPDATA%\corvane. Elsewhere: below the user's and
// then the system's data folders ($XDG_DATA_HOME, then $XDG_DATA_DIRS).
[[nodiscard]] QStringList installedRatingTables();
