#include "rules/filereading.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

// Only a regular file within the bound is read, and nothing that is not one
// makes reading wait or grow without end.
class TestFileReading : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void regularFilesWithinTheBound_data();
    void regularFilesWithinTheBound();
    void filesPastTheBound_data();
    void filesPastTheBound();
    void missingFileAndDirectory();
    void namedPipeDoesNotWait();
    void linkToEndlessDevice();
    void growthPastTheStatedSize();

private:
    [[nodiscard]] QString path(const QString &name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestFileReading::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestFileReading::regularFilesWithinTheBound_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("bytes as they are") << "Blade,1\r\n\x8c\x95\0,2\n\xff"_ba;
    QTest::newRow("exactly 1 MiB") << QByteArray(MaxTextFileBytes, 'x');
    QTest::newRow("one byte under, across the read chunks") << QByteArray(MaxTextFileBytes - 1, '\n');
}

void TestFileReading::regularFilesWithinTheBound()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(writeFile(path(u"RatingTable.txt"_s), bytes));
    const std::optional<QByteArray> read = readRegularFile(path(u"RatingTable.txt"_s));
    QVERIFY(read);
    QCOMPARE(*read, bytes);
}

void TestFileReading::filesPastTheBound_data()
{
    QTest::addColumn<qint64>("size");
    QTest::newRow("1 MiB + 1") << MaxTextFileBytes + 1;
    QTest::newRow("2 MiB") << 2 * MaxTextFileBytes;
}

void TestFileReading::filesPastTheBound()
{
    QFETCH(qint64, size);
    QVERIFY(writeFile(path(u"RatingTable.txt"_s), QByteArray(size, 'x')));
    QVERIFY(!readRegularFile(path(u"RatingTable.txt"_s)));
}

void TestFileReading::missingFileAndDirectory()
{
    QVERIFY(!readRegularFile(path(u"RatingTable.txt"_s)));
    QVERIFY(QDir(m_dir->path()).mkdir(u"RatingTable.txt"_s));
    QVERIFY(!readRegularFile(path(u"RatingTable.txt"_s)));
}

void TestFileReading::namedPipeDoesNotWait()
{
#ifdef Q_OS_UNIX
    // Nobody ever writes to this pipe: a reader that waited would hang here.
    QVERIFY(::mkfifo(QFile::encodeName(path(u"RatingTable.txt"_s)).constData(), 0600) == 0);
    QVERIFY(!readRegularFile(path(u"RatingTable.txt"_s)));
#else
    QSKIP("named pipes are a POSIX file kind");
#endif
}

void TestFileReading::linkToEndlessDevice()
{
#ifdef Q_OS_UNIX
    QVERIFY(QFile::link(u"/dev/zero"_s, path(u"RatingTable.txt"_s)));
    QVERIFY(!readRegularFile(path(u"RatingTable.txt"_s)));
#else
    QSKIP("needs /dev/zero");
#endif
}

void TestFileReading::growthPastTheStatedSize()
{
#ifdef Q_OS_LINUX
    // Files under /proc are regular and state a size of 0, yet hold text:
    // the bound must hold for what arrives, not for what was stated.
    const std::optional<QByteArray> whole = readRegularFile(u"/proc/self/status"_s);
    QVERIFY(whole);
    QVERIFY(whole->size() > 16);
    QVERIFY(!readRegularFile(u"/proc/self/status"_s, 16));
    QVERIFY(readRegularFile(u"/proc/self/status"_s, whole->size() + 256));
#else
    QSKIP("needs a file that states a size smaller than it holds");
#endif
}

QTEST_GUILESS_MAIN(TestFileReading)
#include "tst_filereading.moc"
