#include "support/files.h"

#include "rules/filereading.h"
#include "rules/rating.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
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
    QTest::newRow("folder") << FolderSetup([](const QDir &folder) { QVERIFY(folder.mkdir(RatingTableName)); });
    QTest::newRow("1 MiB + 1") << tableOfSize(MaxTextFileBytes + 1);
    QTest::newRow("2 MiB") << tableOfSize(2 * MaxTextFileBytes);
#ifdef Q_OS_UNIX
    QTest::newRow("named pipe") << FolderSetup([](const QDir &folder) {
        QVERIFY(::mkfifo(QFile::encodeName(folder.filePath(RatingTableName)).constData(), 0600) == 0);
    });
    QTest::newRow("link to /dev/zero") << FolderSetup([](const QDir &folder) {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), folder.filePath(RatingTableName)));
    });
#endif
}
