#include "shell/tablesearch.h"

#include "support/files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(std::optional<QString>)

// Which file the rating table is read from.
class TestTableSearch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void searchOrder_data();
    void searchOrder();
    void installedPlaces();
};

void TestTableSearch::searchOrder_data()
{
    // Entries "kind:path" (a file, a folder, or a link to nothing) below a
    // root holding the working folder "work" and the data folders "home",
    // "first" and "second", in that order.
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<std::optional<QString>>("given");
    // The folder below the root that holds the program and a table of its
    // own, as on Windows; none elsewhere.
    QTest::addColumn<std::optional<QString>>("program");
    // The path below the root that is read, or the bare name.
    QTest::addColumn<QString>("read");

    const std::optional<QString> none;
    QTest::newRow("working folder first")
        << QStringList{"file:work/RatingTable.txt", "file:home/corvane/RatingTable.txt"} << none << none
        << "RatingTable.txt";
    QTest::newRow("a folder in the working folder stops the search")
        << QStringList{"dir:work/RatingTable.txt", "file:home/corvane/RatingTable.txt"} << none << none
        << "RatingTable.txt";
    QTest::newRow("a dangling link in the working folder stops the search")
        << QStringList{"link:work/RatingTable.txt", "file:home/corvane/RatingTable.txt"} << none << none
        << "RatingTable.txt";
    QTest::newRow("user's data folder before the system's")
        << QStringList{"file:home/corvane/RatingTable.txt", "file:first/corvane/RatingTable.txt"} << none << none
        << "home/corvane/RatingTable.txt";
    QTest::newRow("system folders in order")
        << QStringList{"dir:home/corvane", "file:first/corvane/RatingTable.txt", "file:second/corvane/RatingTable.txt"}
        << none << none << "first/corvane/RatingTable.txt";
    QTest::newRow("an unreadable table found is the one read")
        << QStringList{"dir:first/corvane/RatingTable.txt", "file:second/corvane/RatingTable.txt"} << none << none
        << "first/corvane/RatingTable.txt";
    QTest::newRow("nowhere") << QStringList{"dir:home/corvane"} << none << none << "RatingTable.txt";
    QTest::newRow("given name, no search")
        << QStringList{"file:work/RatingTable.txt"} << std::optional<QString>("gone.txt") << none << "gone.txt";

    // The program's folder holds the sample shipped with it, and Explorer
    // starts the program there: a table of the user's must win over it.
    const std::optional<QString> work("work");
    const std::optional<QString> program("program");
    QTest::newRow("started in the program's folder, the user's table first")
        << QStringList{"file:work/RatingTable.txt", "file:home/corvane/RatingTable.txt"} << none << work
        << "home/corvane/RatingTable.txt";
    QTest::newRow("started in the program's folder, its own table last, by the bare name")
        << QStringList{"file:work/RatingTable.txt", "dir:home/corvane"} << none << work << "RatingTable.txt";
    QTest::newRow("started elsewhere, the working folder first")
        << QStringList{"file:work/RatingTable.txt", "file:home/corvane/RatingTable.txt", "file:program/RatingTable.txt"}
        << none << program << "RatingTable.txt";
    QTest::newRow("started elsewhere, the user's table before the program's")
        << QStringList{"file:home/corvane/RatingTable.txt", "file:program/RatingTable.txt"} << none << program
        << "home/corvane/RatingTable.txt";
    QTest::newRow("started elsewhere, the program's own table")
        << QStringList{"file:program/RatingTable.txt"} << none << program << "program/RatingTable.txt";
    QTest::newRow("nowhere, started in the program's folder") << QStringList{} << none << work << "RatingTable.txt";
}

void TestTableSearch::searchOrder()
{
    QFETCH(QStringList, entries);
    QFETCH(std::optional<QString>, given);
    QFETCH(std::optional<QString>, program);
    QFETCH(QString, read);
    QTemporaryDir root;
    const QDir dir(root.path());
    QVERIFY(dir.mkpath("work"));
    for (const QString &entry : entries) {
        const QString kind = entry.section(u':', 0, 0);
        const QString path = dir.filePath(entry.section(u':', 1));
        if (kind == u"file")
            QVERIFY(writeFile(path));
        else if (kind == u"dir")
            QVERIFY(dir.mkpath(path));
        else
            QVERIFY(QFile::link(dir.filePath("nothing"), path));
    }
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.filePath("work")));
    QStringList dataFolders;
    for (const QString folder : {"home", "first", "second"})
        dataFolders.append(dir.filePath(folder));
    const std::optional<QString> programFolder = program ? std::optional(dir.filePath(*program)) : std::nullopt;
    const QString chosen = ratingTableFile(given, ratingTablePlaces(dataFolders, programFolder));
    QDir::setCurrent(previous);
    QCOMPARE(chosen, read.contains(u'/') ? dir.filePath(read) : read);
}

void TestTableSearch::installedPlaces()
{
#ifdef Q_OS_WIN
    // Started from Explorer, in the executable's own folder.
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(QCoreApplication::applicationDirPath()));
    qputenv("LOCALAPPDATA", "C:/Users/player/AppData/Local");
    const QStringList expected{u"C:/Users/player/AppData/Local/corvane/RatingTable.txt"_s, u"RatingTable.txt"_s};
    const QStringList places = ratingTablePlaces();
    QDir::setCurrent(previous);
#else
    qputenv("XDG_DATA_HOME", "/home/player/.local/share");
    qputenv("XDG_DATA_DIRS", "/usr/local/share:/usr/share");
    const QStringList expected{u"RatingTable.txt"_s, u"/home/player/.local/share/corvane/RatingTable.txt"_s,
                               u"/usr/local/share/corvane/RatingTable.txt"_s, u"/usr/share/corvane/RatingTable.txt"_s};
    const QStringList places = ratingTablePlaces();
#endif
    QCOMPARE(places, expected);
}

QTEST_GUILESS_MAIN(TestTableSearch)
#include "tst_tablesearch.moc"
