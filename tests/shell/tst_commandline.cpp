#include "shell/commandline.h"

#include "shell/tablesearch.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

using Arguments = QStringList;
Q_DECLARE_METATYPE(std::optional<QString>)

// What the command line asks for, read before and after QApplication.
class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void afterTheApplication_data();
    void afterTheApplication();
    void beforeTheApplication_data();
    void beforeTheApplication();

private:
    // An empty working folder and empty data folders, so that the table
    // check finds no table.
    QTemporaryDir m_dir;
    QString m_previousDir;
};

void TestCommandLine::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.filePath("home")));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(m_dir.filePath("system")));
    qputenv("LOCALAPPDATA", QFile::encodeName(m_dir.filePath("local")));
}

void TestCommandLine::cleanupTestCase()
{
    QDir::setCurrent(m_previousDir);
}

void TestCommandLine::afterTheApplication_data()
{
    QTest::addColumn<Arguments>("arguments");
    QTest::addColumn<std::optional<QString>>("table");
    QTest::addColumn<std::optional<QString>>("logFile");
    QTest::addColumn<std::optional<QString>>("session");
    // The exit status, -1 to start; then the first line printed.
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("printed");
    // Whether the output lists every place the table is looked for.
    QTest::addColumn<bool>("listsPlaces");
    const std::optional<QString> none;
    using Text = std::optional<QString>;
    QTest::newRow("nothing") << Arguments{"corvane"} << none << none << none << -1 << "" << false;
    QTest::newRow("both files, single dash or =") << Arguments{"corvane", "-table", "my table.txt", "--log-file=a.log"}
                                                  << Text("my table.txt") << Text("a.log") << none << -1 << "" << false;
    QTest::newRow("an empty table name is given, not searched")
        << Arguments{"corvane", "--table="} << Text("") << none << none << -1 << "" << false;
    QTest::newRow("help") << Arguments{"/usr/bin/corvane", "-h"} << none << none << none << 0
                          << "Usage: corvane [options] [file]" << false;
    QTest::newRow("version") << Arguments{"corvane", "--version"} << none << none << none << 0
                             << "corvane " CORVANE_VERSION << false;
    QTest::newRow("unknown option") << Arguments{"corvane", "--tabel", "x"} << none << none << none << 2
                                    << "corvane: Unknown option 'tabel'." << false;
    QTest::newRow("missing value") << Arguments{"corvane", "--log-file"} << none << none << none << 2
                                   << "corvane: Missing value after '--log-file'." << false;
    QTest::newRow("a session file") << Arguments{"corvane", "evening.corvane"} << none << none
                                    << Text("evening.corvane") << -1 << "" << false;
    QTest::newRow("a second file") << Arguments{"corvane", "evening.corvane", "RatingTable.txt"} << none << none << none
                                   << 2 << "corvane: Unexpected argument 'RatingTable.txt'." << false;
    QTest::newRow("an error wins over help") << Arguments{"corvane", "--help", "--bogus"} << none << none << none << 2
                                             << "corvane: Unknown option 'bogus'." << false;
    QTest::newRow("checking a table that is not there")
        << Arguments{"corvane", "--check-table", "gone.txt"} << none << none << none << 1
        << "gone.txt: error: ファイル gone.txt は開けません." << false;
    QTest::newRow("checking the table a start would read, found nowhere")
        << Arguments{"corvane", "--check-table"} << none << none << none << 1
        << "Looked for RatingTable.txt in:" << true;
    QTest::newRow("checking one table named twice")
        << Arguments{"corvane", "--check-table", "--table", "a.txt", "b.txt"} << none << none << none << 2
        << "corvane: --check-table takes one table: [file] or --table, not both." << false;
}

void TestCommandLine::afterTheApplication()
{
    QFETCH(Arguments, arguments);
    QFETCH(std::optional<QString>, table);
    QFETCH(std::optional<QString>, logFile);
    QFETCH(std::optional<QString>, session);
    QFETCH(int, status);
    QFETCH(QString, printed);
    QFETCH(bool, listsPlaces);
    const CommandLine commandLine = parseCommandLine(arguments);
    QCOMPARE(commandLine.options.tableFile, table);
    QCOMPARE(commandLine.options.logFile, logFile);
    QCOMPARE(commandLine.options.sessionFile, session);
    QCOMPARE(commandLine.exitStatus.value_or(-1), status);
    QCOMPARE(commandLine.output.section(u'\n', 0, 0), printed);
    // Errors go to standard error, followed by the usage.
    QCOMPARE(commandLine.toStandardError, status == 2);
    if (status == 2)
        QVERIFY(commandLine.output.endsWith(QStringLiteral("\n\n") + helpText()));
    // The check looks where a start looks, and says so.
    if (listsPlaces) {
        for (const QString &place : ratingTablePlaces())
            QVERIFY2(commandLine.output.contains(
                         u"\n  "_s + QDir::toNativeSeparators(QDir::current().absoluteFilePath(place)) + u'\n'),
                     qPrintable(commandLine.output));
    }
}

void TestCommandLine::beforeTheApplication_data()
{
    QTest::addColumn<Arguments>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("printed");
    // Whether the full parse may run without a display.
    QTest::addColumn<bool>("withoutDisplay");
    QTest::newRow("help after Qt's options")
        << Arguments{"corvane", "-platform", "xcb", "-reverse", "--help"} << 0 << helpText() << false;
    QTest::newRow("version") << Arguments{"corvane", "-style", "fusion", "-v"} << 0 << "corvane " CORVANE_VERSION "\n"
                             << false;
    // Read as compacted letters, these would spell -v and -h.
    QTest::newRow("-reverse") << Arguments{"corvane", "-reverse"} << -1 << "" << false;
    QTest::newRow("-platformpluginpath") << Arguments{"corvane", "-platformpluginpath", "/p"} << -1 << "" << false;
    QTest::newRow("an unknown option waits for the full parse") << Arguments{"corvane", "--bogus"} << -1 << "" << false;
    QTest::newRow("a table named like an option") << Arguments{"corvane", "--table", "--help"} << -1 << "" << false;
    QTest::newRow("the table check needs no display")
        << Arguments{"corvane", "--check-table", "t.txt"} << -1 << "" << true;
    QTest::newRow("the table check after Qt's options waits for them")
        << Arguments{"corvane", "-platform", "xcb", "--check-table"} << -1 << "" << false;
}

void TestCommandLine::beforeTheApplication()
{
    QFETCH(Arguments, arguments);
    QFETCH(int, status);
    QFETCH(QString, printed);
    QFETCH(bool, withoutDisplay);
    const CommandLine commandLine = parseHelpOrVersion(arguments);
    QCOMPARE(commandLine.exitStatus.value_or(-1), status);
    QCOMPARE(commandLine.output, printed);
    QCOMPARE(commandLine.answersWithoutDisplay, withoutDisplay);
    QVERIFY(!commandLine.toStandardError);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
