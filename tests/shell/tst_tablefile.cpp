#include "console/Unit_Main.h"
#include "controls/buttons.h"
#include "controls/choicebox.h"
#include "roster/Unit_Enemy.h"
#include "rules/filereading.h"
#include "sheet/Unit_Friend_States.h"
#include "shell/forms.h"
#include "support/appfixture.h"
#include "support/files.h"

#include <QtTest>

// Start-up with a RatingTable.txt that is no table the program should read:
// the windows still all appear, with the open error, and nothing waits on
// the file or reads it without end.
class TestTableFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void refusedTablesStillShowAllWindows_data() { addRefusedTableRows(); }
    void refusedTablesStillShowAllWindows();
    void tableAtTheBoundLoads();
};

void TestTableFile::refusedTablesStillShowAllWindows()
{
    QFETCH(FolderSetup, prepare);
    QFETCH(QString, table);
    QFETCH(QString, unavailable);
    if (!unavailable.isEmpty())
        QSKIP(qPrintable(unavailable));
    StartOptions options;
    if (table != RatingTableName)
        options.tableFile = table;
    AppFixture app(prepare, options);
    QCOMPARE(app.errorTexts(), QStringList{QStringLiteral("ファイル %1 は開けません.").arg(table)});
    QVERIFY(Main->isVisible());
    QVERIFY(F_States2->isVisible());
    QVERIFY(Enemy->isVisible());
    QCOMPARE(Enemy->RowCount, 1);
    QCOMPARE(Main->ComboBox4->count(), 0);
    QVERIFY(!Main->Button2->isEnabled());
}

void TestTableFile::tableAtTheBoundLoads()
{
    AppFixture app(tableOfSize(MaxTextFileBytes));
    QVERIFY(app.errors().isEmpty());
    // 1 MiB of 29-byte rows.
    QCOMPARE(Main->ComboBox4->count(), 36157);
    QCOMPARE(Main->ComboBox4->items().last(), QStringLiteral("Blade"));
}

QTEST_MAIN(TestTableFile)
#include "tst_tablefile.moc"
