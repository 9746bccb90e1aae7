#pragma once

#include "rules/rating.h"

#include <QString>
#include <QStringList>

#include <optional>

// Where an installed table sits below a data folder.
inline const QString InstalledRatingTable = QStringLiteral("corvane/RatingTable.txt");

// The places a table is looked for when none is named, in order: the working
// folder's (by the bare name, so that its open error reads as it always
// did), then below each data folder in turn. Where the program ships a table
// beside itself (`programFolder`, on Windows), that one comes last, so that a
// user's own table wins over it; and the working folder is not tried first
// when it is the program's folder, where Explorer starts it.
[[nodiscard]] QStringList ratingTablePlaces(const QStringList &dataFolders,
                                            const std::optional<QString> &programFolder);

// This system's places: on Windows %LOCALAPPDATA% and the executable's
// folder; elsewhere the user's and then the system's data folders
// ($XDG_DATA_HOME, then $XDG_DATA_DIRS).
[[nodiscard]] QStringList ratingTablePlaces();

// Where the table was looked for and which one is read.
struct TableSearch
{
    // The first place that has an entry of that name, or the bare name.
    QString file = RatingTableName;
    bool found = false;
    // The places looked at, up to the one found.
    QStringList tried;
};

// Anything under the name counts, not just a readable file: a folder, a pipe
// or a dangling link in the way is reported by the load rather than silently
// passed over for a table the user never meant.
[[nodiscard]] TableSearch searchRatingTable(const QStringList &places);

// Which file the rating table is read from: a name given on the command line
// as it is, with no search; else the search's.
[[nodiscard]] QString ratingTableFile(const std::optional<QString> &given, const QStringList &places);
