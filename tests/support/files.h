#pragma once

#include <QByteArray>
#include <QString>

// The whole file, or "(unreadable)" so that a comparison shows what failed.
[[nodiscard]] QByteArray fileContents(const QString &path);
// Writes the bytes into a new or emptied file, making the folders above it.
[[nodiscard]] bool writeFile(const QString &path, const QByteArray &bytes = {});
