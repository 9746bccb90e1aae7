#include "console/Unit_Main.h"
#include "controls/buttons.h"
#include "controls/choicebox.h"
#include "controls/logmemo.h"
#include "shell/forms.h"
#include "support/appfixture.h"
#include "support/files.h"

#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using Files = QMap<QString, QByteArray>;
Q_DECLARE_METATYPE(std::optional<QString>)

namespace {

QByteArray asLines(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + '\n';
    return bytes;
}

} // namespace

// Start-up with what the command line and the data folders give: where the
// rating table comes from, and the log kept in a file.
class TestStartOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { m_app.reset(); }

    void ratingTableSource_data();
    void ratingTableSource();
    void logFileHoldsTheLinesTheLogShows();
    void logFileFailureIsShownOnce_data();
    void logFileFailureIsShownOnce();

private:
    // Starts in a working directory holding `files`; a name ending in "/"
    // is a folder.
    AppFixture &start(const StartOptions &options, const Files &files)
    {
        const auto prepare = [files](const QDir &dir) {
            for (auto it = files.cbegin(); it != files.cend(); ++it)
                QVERIFY(it.key().endsWith(u'/') ? dir.mkpath(it.key()) : writeFile(dir.filePath(it.key()), *it));
        };
        m_app = std::make_unique<AppFixture>(prepare, options);
        return *m_app;
    }

    std::unique_ptr<AppFixture> m_app;
};

void TestStartOptions::ratingTableSource_data()
{
    QTest::addColumn<Files>("files");
    QTest::addColumn<std::optional<QString>>("given");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QStringList>("errors");
    const QString home = QStringLiteral("user-data/corvane/RatingTable.txt");
    const QString system = QStringLiteral("system-data/corvane/RatingTable.txt");
    const QByteArray values = ",1,2,3,4,5,6,7,8,9,10\n";
    const std::optional<QString> none;
    QTest::newRow("user's data folder") << Files{{home, "Home" + values}, {system, "System" + values}} << none
                                        << QStringList{"Home"} << QStringList();
    QTest::newRow("a folder in the working folder")
        << Files{{"RatingTable.txt/", {}}, {home, "Home" + values}} << none << QStringList()
        << QStringList{"ファイル RatingTable.txt は開けません."};
    QTest::newRow("given table missing") << Files{{"RatingTable.txt", "Work" + values}}
                                         << std::optional<QString>("gone.txt") << QStringList()
                                         << QStringList{"ファイル gone.txt は開けません."};
}

void TestStartOptions::ratingTableSource()
{
    QFETCH(Files, files);
    QFETCH(std::optional<QString>, given);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, errors);
    AppFixture &app = start({.tableFile = given}, files);
    QCOMPARE(Main->ComboBox4->items(), labels);
    QCOMPARE(app.errorTexts(), errors);
}

void TestStartOptions::logFileHoldsTheLinesTheLogShows()
{
    QTemporaryDir dir;
    const QString logPath = dir.filePath(QStringLiteral("evening.log"));
    QVERIFY(writeFile(logPath, "last week\n"));
    AppFixture &app = start({.logFile = logPath}, {{QStringLiteral("RatingTable.txt"), AppFixture::sampleTable()}});

    // A check with the rating roll chained after it writes two lines.
    pickEntry(Main->ComboBox4, 0);
    clickOn(Main->CheckBox2);
    app.dice().push({3, 4, 4, 6, 5, 6, 2, 3});
    QTest::mouseClick(Main->Button1, Qt::LeftButton);
    const QStringList shown = Main->Memo1->lines();
    QCOMPARE(shown.size(), 2);
    QCOMPARE(fileContents(logPath), "last week\n" + asLines(shown));

    // Saving the log gives the same lines.
    const QString savedPath = dir.filePath(QStringLiteral("saved.txt"));
    Main->Memo1->setSaveFileChooser([&](QWidget *) { return savedPath; });
    QVERIFY(clickMenuEntry(openContextMenu(Main->Memo1->viewport()), QStringLiteral("ログを保存...")));
    QCOMPARE(fileContents(savedPath), asLines(shown));

    // What the user types stays out of the file, and Reset clears only the
    // window.
    Main->Memo1->moveCursor(QTextCursor::End);
    QTest::keyClicks(Main->Memo1->viewport(), QStringLiteral(" (ogre)"));
    QTest::mouseClick(Main->Button4, Qt::LeftButton);
    app.dice().push({1, 1});
    QTest::mouseClick(Main->Button2, Qt::LeftButton);
    QCOMPARE(fileContents(logPath), "last week\n" + asLines(shown + Main->Memo1->lines()));
    QVERIFY(app.errors().isEmpty());
}

void TestStartOptions::logFileFailureIsShownOnce_data()
{
    QTest::addColumn<QString>("logFile");
    // Whether the failure shows at start or at the first line written.
    QTest::addColumn<bool>("atStart");
    QTest::newRow("a folder") << QDir::tempPath() << true;
    // Takes the open but refuses every byte, like a full disk.
    if (QFile::exists(QStringLiteral("/dev/full")))
        QTest::newRow("a full disk") << QStringLiteral("/dev/full") << false;
}

void TestStartOptions::logFileFailureIsShownOnce()
{
    QFETCH(QString, logFile);
    QFETCH(bool, atStart);
    AppFixture &app = start({.logFile = logFile}, {{QStringLiteral("RatingTable.txt"), AppFixture::sampleTable()}});
    const QStringList error{QStringLiteral("ファイル %1 は開けません.").arg(logFile)};
    QCOMPARE(app.errorTexts(), atStart ? error : QStringList());

    // The program rolls on without the file.
    pickEntry(Main->ComboBox4, 0);
    for (int roll = 0; roll < 3; ++roll) {
        app.dice().push({1, 1});
        QTest::mouseClick(Main->Button2, Qt::LeftButton);
    }
    QCOMPARE(Main->Memo1->lines().size(), 3);
    QCOMPARE(app.errorTexts(), error);
}

QTEST_MAIN(TestStartOptions)
#include "tst_startoptions.moc"
