#include "controls/logmemo.h"

#include <QtTest>

class TestLogMemo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void appendingRunsTheHandlerClearingDoesNot();
    void typingRunsTheHandler();
    void countsDisplayedRows();
    void countKeptWhileAppendingMatchesAFullCount();
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

QTEST_MAIN(TestLogMemo)
#include "tst_logmemo.moc"
