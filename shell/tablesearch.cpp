#include "shell/tablesearch.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// Anything under the name counts, not just a readable file: a folder, a pipe
// or a dangling link in the way is reported by the load rather than silently
// passed over for a table the user never meant.
bool hasEntry(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

} // namespace

QString ratingTableFile(const std::optional<QString> &given, const QStringList &dataFolders)
{
    if (given)
        return *given;
    if (hasEntry(RatingTableName))
        return RatingTableName;
    for (const QString &folder : dataFolders) {
        const QString path = QDir(folder).filePath(InstalledRatingTable);
        if (hasEntry(path))
            return path;
    }
    return RatingTableName;
}

QString ratingTableFile(const std::optional<QString> &given)
{
    return ratingTableFile(given, QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation));
}
