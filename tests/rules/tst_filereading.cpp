#include "rules/filereading.h"
#include "support/files.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Only a regular file within the bound is read, and nothing that is not one
// makes reading wait or grow without end.
class TestFileReading : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void regularFilesWithinTheBound_data();
    void regularFilesWithinTheBound();
    void refused_data() { addRefusedTableRows(); }
    void refused();
    void growthPastTheStatedSize();

private:
    QTemporaryDir m_dir;
};

void TestFileReading::regularFilesWithinTheBound_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("bytes as they are") << "Blade,1\r\n\x8c\x95\0,2\n\xff"_ba;
    QTest::newRow("exactly 1 MiB") << QByteArray(MaxTextFileBytes, 'x');
}

void TestFileReading::regularFilesWithinTheBound()
{
    QFETCH(QByteArray, bytes);
    const QString fileName = m_dir.filePath(u"within.txt"_s);
    QVERIFY(writeFile(fileName, bytes));
    QCOMPARE(readRegularFile(fileName), std::optional(bytes));
}

void TestFileReading::refused()
{
    QFETCH(FolderSetup, prepare);
    QFETCH(QString, table);
    QFETCH(QString, unavailable);
    if (!unavailable.isEmpty())
        QSKIP(qPrintable(unavailable));
    const QTemporaryDir dir;
    prepare(QDir(dir.path()));
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    // A reader that waited for a writer to the pipe would hang here.
    const std::optional<QByteArray> bytes = readRegularFile(table);
    QDir::setCurrent(previous);
    QCOMPARE(bytes, std::nullopt);
}

void TestFileReading::growthPastTheStatedSize()
{
#ifdef Q_OS_LINUX
    // Files under /proc are regular and state a size of 0, yet hold text:
    // the bound must hold for what arrives, not for what was stated.
    const std::optional<QByteArray> whole = readRegularFile(u"/proc/self/status"_s);
    QVERIFY(whole && whole->size() > 16);
    QCOMPARE(readRegularFile(u"/proc/self/status"_s, 16), std::nullopt);
#else
    QSKIP("only Linux has files (under /proc) that state a size smaller than they hold");
#endif
}

QTEST_GUILESS_MAIN(TestFileReading)
#include "tst_filereading.moc"
