#pragma once

#include <QByteArray>
#include <QDir>
#include <QMetaType>
#include <QString>

#include <functional>

// The whole file, or "(unreadable)" so that a comparison shows what failed.
[[nodiscard]] QByteArray fileContents(const QString &path);
// Writes the bytes into a new or emptied file, making the folders above it.
[[nodiscard]] bool writeFile(const QString &path, const QByteArray &bytes = {});

// Puts a RatingTable.txt into a test's working folder, checking its own steps
// with QVERIFY.
using FolderSetup = std::function<void(const QDir &folder)>;
Q_DECLARE_METATYPE(FolderSetup)

// A table of whole rows, exactly `size` bytes long.
[[nodiscard]] FolderSetup tableOfSize(qint64 size);

// One data row for each table that must be refused at once: a folder, a file
// past 1 MiB, a named pipe nobody writes to, a link to /dev/zero, and on
// Windows its devices. Column "prepare" fills the working folder, "table" is
// the name the table is read by there, and "unavailable" says why this system
// cannot have such a file (empty where it can): skip the row for that reason.
void addRefusedTableRows();
