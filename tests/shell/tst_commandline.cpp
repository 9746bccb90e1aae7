#include "shell/commandline.h"

#include <QtTest>

using Arguments = QStringList;
Q_DECLARE_METATYPE(std::optional<QString>)

// What the command line asks for, read before and after QApplication.
class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void afterTheApplication_data();
    void afterTheApplication();
    void beforeTheApplication_data();
    void beforeTheApplication();
};

void TestCommandLine::afterTheApplication_data()
{
    QTest::addColumn<Arguments>("arguments");
    QTest::addColumn<std::optional<QString>>("table");
    QTest::addColumn<std::optional<QString>>("logFile");
    QTest::addColumn<std::optional<QString>>("session");
    // The exit status, -1 to start; then the first line printed.
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("printed");
    const std::optional<QString> none;
    using Text = std::optional<QString>;
    QTest::newRow("nothing") << Arguments{"corvane"} << none << none << none << -1 << "";
    QTest::newRow("both files, single dash or =") << Arguments{"corvane", "-table", "my table.txt", "--log-file=a.log"}
                                                  << Text("my table.txt") << Text("a.log") << none << -1 << "";
    QTest::newRow("an empty table name is given, not searched")
        << Arguments{"corvane", "--table="} << Text("") << none << none << -1 << "";
    QTest::newRow("help") << Arguments{"/usr/bin/corvane", "-h"} << none << none << none << 0
                          << "Usage: corvane [options] [file]";
    QTest::newRow("version") << Arguments{"corvane", "--version"} << none << none << none << 0
                             << "corvane " CORVANE_VERSION;
    QTest::newRow("unknown option") << Arguments{"corvane", "--tabel", "x"} << none << none << none << 2
                                    << "corvane: Unknown option 'tabel'.";
    QTest::newRow("missing value") << Arguments{"corvane", "--log-file"} << none << none << none << 2
                                   << "corvane: Missing value after '--log-file'.";
    QTest::newRow("a session file") << Arguments{"corvane", "evening.corvane"} << none << none
                                    << Text("evening.corvane") << -1 << "";
    QTest::newRow("a second file") << Arguments{"corvane", "evening.corvane", "RatingTable.txt"} << none << none << none
                                   << 2 << "corvane: Unexpected argument 'RatingTable.txt'.";
    QTest::newRow("an error wins over help")
        << Arguments{"corvane", "--help", "--bogus"} << none << none << none << 2 << "corvane: Unknown option 'bogus'.";
}

void TestCommandLine::afterTheApplication()
{
    QFETCH(Arguments, arguments);
    QFETCH(std::optional<QString>, table);
    QFETCH(std::optional<QString>, logFile);
    QFETCH(std::optional<QString>, session);
    QFETCH(int, status);
    QFETCH(QString, printed);
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
}

void TestCommandLine::beforeTheApplication_data()
{
    QTest::addColumn<Arguments>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("printed");
    QTest::newRow("help after Qt's options")
        << Arguments{"corvane", "-platform", "xcb", "-reverse", "--help"} << 0 << helpText();
    QTest::newRow("version") << Arguments{"corvane", "-style", "fusion", "-v"} << 0 << "corvane " CORVANE_VERSION "\n";
    // Read as compacted letters, these would spell -v and -h.
    QTest::newRow("-reverse") << Arguments{"corvane", "-reverse"} << -1 << "";
    QTest::newRow("-platformpluginpath") << Arguments{"corvane", "-platformpluginpath", "/p"} << -1 << "";
    QTest::newRow("an unknown option waits for the full parse") << Arguments{"corvane", "--bogus"} << -1 << "";
    QTest::newRow("a table named like an option") << Arguments{"corvane", "--table", "--help"} << -1 << "";
}

void TestCommandLine::beforeTheApplication()
{
    QFETCH(Arguments, arguments);
    QFETCH(int, status);
    QFETCH(QString, printed);
    const CommandLine commandLine = parseHelpOrVersion(arguments);
    QCOMPARE(commandLine.exitStatus.value_or(-1), status);
    QCOMPARE(commandLine.output, printed);
    QVERIFY(!commandLine.toStandardError);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
