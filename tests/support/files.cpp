#include "support/files.h"

#include "rules/filereading.h"
#include "rules/rating.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

QByteArray fileContents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly)
        && file.write(bytes) == bytes.size();
}

FolderSetup tableOfSize(qint64 size)
{
    return [size](const QDir &folder) {
        const QByteArray row = "Blade,1,2,4,5,6,7,8,10,11,13\n";
        // The first label is lengthened to fill the size exactly.
        const QByteArray table = QByteArray(size % row.size(), 'x') + row.repeated(int(size / row.size()));
        QVERIFY(writeFile(folder.filePath(RatingTableName), table));
    };
}

void addRefusedTableRows()
{
    QTest::addColumn<FolderSetup>("prepare");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("unavailable");
    const FolderSetup nothing = [](const QDir &) {};
    const auto row = [](const char *name, const FolderSetup &prepare, const QString &table = RatingTableName,
                        const QString &unavailable = {}) { QTest::newRow(name) << prepare << table << unavailable; };
    row("folder", [](const QDir &folder) { QVERIFY(folder.mkdir(RatingTableName)); });
    row("1 MiB + 1", tableOfSize(MaxTextFileBytes + 1));
    row("2 MiB", tableOfSize(2 * MaxTextFileBytes));
#ifdef Q_OS_UNIX
    row("named pipe", [](const QDir &folder) {
        QVERIFY(::mkfifo(QFile::encodeName(folder.filePath(RatingTableName)).constData(), 0600) == 0);
    });
    row("link to /dev/zero", [](const QDir &folder) {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), folder.filePath(RatingTableName)));
    });
#else
    row("named pipe", nothing, RatingTableName, QStringLiteral("Windows has no named pipes in its file system"));
    row("link to /dev/zero", nothing, RatingTableName, QStringLiteral("Windows has no /dev/zero"));
#endif
#ifdef Q_OS_WIN
    // The devices a name reaches from any folder.
    row("NUL", nothing, QStringLiteral("NUL"));
    row("CON", nothing, QStringLiteral("CON"));
    // A pipe with a server that never writes: opening it succeeds at once.
    const QString pipe = QStringLiteral("\\\\.\\pipe\\corvane-test-%1").arg(GetCurrentProcessId());
    row(
        "named pipe by its name",
        [pipe](const QDir &) {
            const HANDLE server
                = CreateNamedPipeW(reinterpret_cast<const wchar_t *>(pipe.utf16()), PIPE_ACCESS_OUTBOUND,
                                   PIPE_TYPE_BYTE, PIPE_UNLIMITED_INSTANCES, 0, 0, 0, nullptr);
            QVERIFY(server != INVALID_HANDLE_VALUE);
        },
        pipe);
#endif
}
