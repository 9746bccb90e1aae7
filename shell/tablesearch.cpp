#include "shell/tablesearch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QStringList ratingTablePlaces(const QStringList &dataFolders, const std::optional<QString> &programFolder)
{
    const bool startedInProgramFolder = programFolder && QDir::current() == QDir(*programFolder);
    QStringList places;
    if (!startedInProgramFolder)
        places.append(RatingTableName);
    for (const QString &folder : dataFolders)
        places.append(QDir(folder).filePath(InstalledRatingTable));
    if (programFolder)
        places.append(startedInProgramFolder ? RatingTableName : QDir(*programFolder).filePath(RatingTableName));
    return places;
}

QStringList ratingTablePlaces()
{
#ifdef Q_OS_WIN
    const QString localAppData = qEnvironmentVariable("LOCALAPPDATA");
    return ratingTablePlaces(localAppData.isEmpty() ? QStringList() : QStringList{localAppData},
                             QCoreApplication::applicationDirPath());
#else
    return ratingTablePlaces(QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation), std::nullopt);
#endif
}

TableSearch searchRatingTable(const QStringList &places)
{
    TableSearch search;
    for (const QString &path : places) {
        search.tried.append(path);
        const QFileInfo info(path);
        if (info.exists() || info.isSymLink()) {
            search.file = path;
            search.found = true;
            break;
        }
    }
    return search;
}

QString ratingTableFile(const std::optional<QString> &given, const QStringList &places)
{
    return given ? *given : searchRatingTable(places).file;
}
