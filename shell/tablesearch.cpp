#include "shell/tablesearch.h"

#include <QCoreApplication>
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

QString ratingTableFile(const std::optional<QString> &given, const QStringList &otherPlaces)
{
    if (given)
        return *given;
    if (hasEntry(RatingTableName))
        return RatingTableName;
    for (const QString &path : otherPlaces) {
        if (hasEntry(path))
            return path;
    }
    return RatingTableName;
}

QStringList installedRatingTables()
{
    QStringList places;
#ifdef Q_OS_WIN
    places.append(QDir(QCoreApplication::applicationDirPath()).filePath(RatingTableName));
    const QString localAppData = qEnvironmentVariable("LOCALAPPDATA");
    if (!localAppData.isEmpty())
        places.append(QDir(localAppData).filePath(InstalledRatingTable));
#else
    for (const QString &folder : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        places.append(QDir(folder).filePath(InstalledRatingTable));
#endif
    return places;
}
