#include "console/Unit_Main.h"
#include "controls/buttons.h"
#include "controls/choicebox.h"
#include "roster/Unit_Enemy.h"
#include "rules/filereading.h"
#include "sheet/Unit_Friend_States.h"
#include "shell/forms.h"
#include "support/appfixture.h"

#include <QFile>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;

namespace {

const QString tableName = u"RatingTable.txt"_s;

AppFixture::FolderSetup tableOfSize(qint64 size)
{
    const QByteArray row = "Blade,1,2,4,5,6,7,8,10,11,13\n";
    return [=](const QDir &folder) {
        QFile file(folder.filePath(tableName));
        // Whole rows, the first label lengthened to fill the size exactly.
        if (file.open(QIODevice::WriteOnly))
            file.write(QByteArray(size % row.size(), 'x') + row.repeated(int(size / row.size())));
    };
}

} // namespace

Q_DECLARE_METATYPE(AppFixture::FolderSetup)

// Start-up with a RatingTable.txt that is no table the program should read:
// the windows still all appear, with the open error, and nothing waits on
// the file or reads it without end.
class TestTableFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void refusedTablesStillShowAllWindows_data();
    void refusedTablesStillShowAllWindows();
    void tableAtTheBoundLoads();
};

void TestTableFile::refusedTablesStillShowAllWindows_data()
{
    QTest::addColumn<AppFixture::FolderSetup>("prepare");

#ifdef Q_OS_UNIX
    QTest::newRow("named pipe nobody writes") << AppFixture::FolderSetup([](const QDir &folder) {
        QVERIFY(::mkfifo(QFile::encodeName(folder.filePath(tableName)).constData(), 0600) == 0);
    });
    QTest::newRow("link to /dev/zero") << AppFixture::FolderSetup(
        [](const QDir &folder) { QVERIFY(QFile::link(u"/dev/zero"_s, folder.filePath(tableName))); });
#endif
    QTest::newRow("directory") << AppFixture::FolderSetup([](const QDir &folder) { QVERIFY(folder.mkdir(tableName)); });
    QTest::newRow("1 MiB + 1") << tableOfSize(MaxTextFileBytes + 1);
    QTest::newRow("2 MiB") << tableOfSize(2 * MaxTextFileBytes);
}

void TestTableFile::refusedTablesStillShowAllWindows()
{
    QFETCH(AppFixture::FolderSetup, prepare);
    AppFixture app(prepare);
    QCOMPARE(app.errorTexts(), QStringList{u"ファイル RatingTable.txt は開けません."_s});
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
    QCOMPARE(Main->ComboBox4->items().last(), u"Blade"_s);
}

QTEST_MAIN(TestTableFile)
#include "tst_tablefile.moc"
