#include "controls/errordisplay.h"
#include "controls/logmemo.h"
#include "support/files.h"
#include "support/input.h"

#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

class TestLogMemo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void appendingRunsTheHandlerClearingDoesNot();
    void typingRunsTheHandler();
    void countsDisplayedRows();
    void countKeptWhileAppendingMatchesAFullCount();
    void savingThroughTheMenu_data();
    void savingThroughTheMenu();
};

void TestLogMemo::appendingRunsTheHandlerClearingDoesNot()
{
    LogMemo memo;
    QList<int> seen;
    memo.setOnChange([&](QObject *) { seen.append(memo.lineCount()); });
    memo.resize(361, 121);
    memo.show();
    memo.appendLine(QStringLiteral("one"));
    memo.appendLine(QStringLiteral("two"));
    QCOMPARE(seen, (QList<int>{1, 2}));
    QCOMPARE(memo.lines(), (QStringList{QStringLiteral("one"), QStringLiteral("two")}));
    memo.clearLines();
    QCOMPARE(seen.size(), 2);
    QCOMPARE(memo.lineCount(), 0);
    QVERIFY(memo.lines().isEmpty());
    memo.appendLine(QStringLiteral("three"));
    QCOMPARE(memo.lines(), QStringList{QStringLiteral("three")}); // no empty line above it
}

void TestLogMemo::typingRunsTheHandler()
{
    LogMemo memo;
    int runs = 0;
    memo.setOnChange([&](QObject *) { ++runs; });
    memo.show();
    QTest::keyClicks(memo.viewport(), QStringLiteral("ab"));
    QTest::keyClicks(&memo, QStringLiteral("cd"));
    QVERIFY(memo.toPlainText().endsWith(QStringLiteral("cd")));
    QVERIFY(runs >= 2);
}

void TestLogMemo::countsDisplayedRows()
{
    LogMemo memo;
    memo.resize(361, 121);
    memo.show();
    memo.appendLine(QStringLiteral("short"));
    QCOMPARE(memo.lineCount(), 1);
    const QString longLine = QStringLiteral("F-Atk: ( 2D6 = 4, 2 ) -> 6 + 6 = 12 *** Success *** ").repeated(3);
    memo.appendLine(longLine);
    const int rows = memo.lineCount();
    QVERIFY2(rows >= 4, qPrintable(QString::number(rows))); // the long line wraps
    // An empty last row is not counted.
    memo.appendLine(QString());
    QCOMPARE(memo.lineCount(), rows);
}

void TestLogMemo::countKeptWhileAppendingMatchesAFullCount()
{
    LogMemo memo;
    memo.resize(361, 121);
    memo.show();
    for (int i = 0; i < 200; ++i)
        memo.appendLine(QStringLiteral("Line %1 ").arg(i).repeated(1 + i % 7));
    const int kept = memo.lineCount();

    LogMemo fresh;
    fresh.resize(361, 121);
    fresh.show();
    fresh.setPlainText(memo.toPlainText()); // counted from scratch
    QCOMPARE(kept, fresh.lineCount());

    // A narrower log wraps more: the count follows the width.
    memo.resize(200, 121);
    QVERIFY(memo.lineCount() > kept);
}

void TestLogMemo::savingThroughTheMenu_data()
{
    QTest::addColumn<bool>("written");
    QTest::addColumn<QString>("name");
    // The file's bytes, or the error shown.
    QTest::addColumn<QByteArray>("saved");
    QTest::addColumn<QString>("error");
    QTest::newRow("a line and typed text, in UTF-8")
        << true << "log.txt" << QByteArray("( \xe7\x82\x8e: 2D6 = 7 ) -> 6\nouch\n") << QString();
    QTest::newRow("empty log") << false << "log.txt" << QByteArray() << QString();
    QTest::newRow("folder below a file") << true << "old.txt/log.txt" << QByteArray() << "ファイル %1 は開けません.";
    QTest::newRow("a folder in the way") << true << "." << QByteArray() << "ファイル %1 は開けません.";
}

void TestLogMemo::savingThroughTheMenu()
{
    QFETCH(bool, written);
    QFETCH(QString, name);
    QFETCH(QByteArray, saved);
    QFETCH(QString, error);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    // An earlier, longer save must not show through.
    for (const char *file : {"old.txt", "log.txt"})
        QVERIFY(writeFile(dir.filePath(QLatin1StringView(file)), "an earlier save, longer than this one\n"));

    LogMemo memo;
    memo.show();
    if (written) {
        memo.appendLine(QStringLiteral("( 炎: 2D6 = 7 ) -> 6"));
        memo.moveCursor(QTextCursor::End);
        QTest::keyClick(memo.viewport(), Qt::Key_Return);
        QTest::keyClicks(memo.viewport(), QStringLiteral("ouch"));
    }
    QStringList errors;
    ErrorDisplay::setSink([&](const ErrorReport &report) { errors.append(report.text); });
    memo.setSaveFileChooser([&](QWidget *parent) { return parent == &memo ? path : QString(); });

    QMenu *menu = openContextMenu(memo.viewport());
    QVERIFY(menu);
    // Qt's own entries stay.
    QVERIFY(menu->findChild<QAction *>(QStringLiteral("select-all")));
    QVERIFY(clickMenuEntry(menu, QStringLiteral("ログを保存...")));
    ErrorDisplay::setSink({});
    QCOMPARE(errors, error.isEmpty() ? QStringList() : QStringList{error.arg(path)});
    if (error.isEmpty())
        QCOMPARE(fileContents(path), saved);
}

QTEST_MAIN(TestLogMemo)
#include "tst_logmemo.moc"
