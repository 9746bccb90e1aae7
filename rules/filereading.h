#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The most a text file the program reads may hold. A rating table is a few
// KB; 30,000 ratings fit.
inline constexpr qint64 MaxTextFileBytes = 1024 * 1024;

// The bytes of the regular file `fileName` when it holds at most `limit`
// bytes; nothing when it cannot be opened or read, when it is anything but a
// regular file (a pipe, device, socket or directory), or when it holds more,
// also when it grows while being read. What was opened is checked, not what
// the name said a moment before, and opening never waits for a writer.
[[nodiscard]] std::optional<QByteArray> readRegularFile(const QString &fileName, qint64 limit = MaxTextFileBytes);
