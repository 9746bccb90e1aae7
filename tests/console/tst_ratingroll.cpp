#include "console/Unit_Main.h"
#include "controls/buttons.h"
#include "controls/choicebox.h"
#include "controls/logmemo.h"
#include "controls/spinfield.h"
#include "shell/forms.h"
#include "support/appfixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

#include <memory>

// The Rating Roll command, driven through the main window's controls.
class TestRatingRoll : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { m_app.reset(); }

    void workedExample_data();
    void workedExample();
    void nothingChosenWritesNothing();
    void failuresWriteNoLine_data();
    void failuresWriteNoLine();
    void missingFileIsReportedOnceAtStart();
    void emptyLineStopsTheLabelsAtStart();
    void shiftJisLabelsAreShown();
    void sampleTableLoads();

private:
    AppFixture &start(const std::optional<QByteArray> &table = AppFixture::sampleTable())
    {
        m_app = std::make_unique<AppFixture>(table);
        return *m_app;
    }

    std::unique_ptr<AppFixture> m_app;
};

void TestRatingRoll::workedExample_data()
{
    QTest::addColumn<QList<int>>("faces");
    QTest::addColumn<bool>("criticals");
    QTest::addColumn<qint32>("criticalModifier");
    QTest::addColumn<qint32>("baseModifier");
    QTest::addColumn<qint32>("temporaryModifier");
    QTest::addColumn<QString>("line");
    QTest::newRow("two criticals") << QList<int>{4, 6, 5, 6, 2, 3} << true << 0 << 3 << 1
                                   << "( Blade: 2D6 = 10/11/5 ) -> 25 + 4 = 29";
    QTest::newRow("first result 2") << QList<int>{1, 1} << true << 0 << 3 << 1
                                    << "( Blade: 2D6 = 2 ) -> *** Failed ***";
    QTest::newRow("2 after a critical") << QList<int>{6, 4, 1, 1} << true << 0 << 3 << 1
                                        << "( Blade: 2D6 = 10/2 ) -> 10 + 4 = 14";
    QTest::newRow("criticals off") << QList<int>{6, 6} << false << 0 << 3 << 1 << "( Blade: 2D6 = 12 ) -> 13 + 4 = 17";
    QTest::newRow("critical value raised to 8")
        << QList<int>{3, 5, 3, 4} << true << -4 << 3 << 1 << "( Blade: 2D6 = 8/7 ) -> 13 + 4 = 17";
    QTest::newRow("negative modifier") << QList<int>{3, 4} << true << 0 << 0 << -3
                                       << "( Blade: 2D6 = 7 ) -> 6 + -3 = 3";
}

void TestRatingRoll::workedExample()
{
    QFETCH(QList<int>, faces);
    QFETCH(bool, criticals);
    QFETCH(qint32, criticalModifier);
    QFETCH(qint32, baseModifier);
    QFETCH(qint32, temporaryModifier);
    QFETCH(QString, line);
    AppFixture &app = start();

    pickEntry(Main->ComboBox4, 0);
    QCOMPARE(Main->ComboBox4->itemIndex(), 0);
    QVERIFY(Main->Button2->isEnabled());
    if (!criticals)
        QTest::mouseClick(Main->CheckBox1, Qt::LeftButton);
    QCOMPARE(Main->CheckBox1->isChecked(), criticals);
    typeInto(Main->SpinEdit4, QString::number(criticalModifier));
    typeInto(Main->SpinEdit5, QString::number(baseModifier));
    typeInto(Main->SpinEdit6, QString::number(temporaryModifier));
    app.dice().push(faces);

    QTest::mouseClick(Main->Button2, Qt::LeftButton);
    QCOMPARE(Main->Memo1->lines(), QStringList{line});
    QCOMPARE(app.dice().remaining(), 0);
    QVERIFY(app.errors().isEmpty());
}

void TestRatingRoll::nothingChosenWritesNothing()
{
    AppFixture &app = start();
    QVERIFY(!Main->Button2->isEnabled());
    QCOMPARE(Main->ComboBox4->text(), QStringLiteral("Select"));
    Main->Button2->runClick(); // as the Dice Roll command starts it
    QVERIFY(Main->Memo1->lines().isEmpty());
    QCOMPARE(app.dice().remaining(), 0);

    // Typed text that names no rating leaves nothing chosen.
    Main->ComboBox4->comboBox()->lineEdit()->selectAll();
    QTest::keyClicks(Main->ComboBox4->comboBox()->lineEdit(), QStringLiteral("Axe"));
    QVERIFY(!Main->Button2->isEnabled());
}

void TestRatingRoll::failuresWriteNoLine_data()
{
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<QList<int>>("faces");
    QTest::addColumn<QString>("error");
    QTest::newRow("three values, a 6 rolled")
        << QByteArray("Short,1,2,3\n") << QList<int>{3, 3} << "リストのインデックスが範囲を超えています (4)";
    QTest::newRow("unquoted label with a blank")
        << QByteArray("Long Blade,1,2,3,4,5,6,7,8,9,10\n") << QList<int>{1, 2} << "'Blade' は整数ではありません.";
    QTest::newRow("missing value after a critical") << QByteArray("Edge,1,2,3,4,5,6,7,8,9\n") << QList<int>{6, 6, 1, 1}
                                                    << "リストのインデックスが範囲を超えています (10)";
}

void TestRatingRoll::failuresWriteNoLine()
{
    QFETCH(QByteArray, table);
    QFETCH(QList<int>, faces);
    QFETCH(QString, error);
    AppFixture &app = start(table);
    pickEntry(Main->ComboBox4, 0);
    app.dice().push(faces);
    QTest::mouseClick(Main->Button2, Qt::LeftButton);
    QCOMPARE(app.errorTexts(), QStringList{error});
    QVERIFY(Main->Memo1->lines().isEmpty());
    // The program goes on: the next roll that needs no missing value works.
    app.dice().push({1, 1});
    QTest::mouseClick(Main->Button2, Qt::LeftButton);
    QCOMPARE(Main->Memo1->lines().size(), 1);
    QVERIFY(Main->Memo1->lines().first().endsWith(QStringLiteral("*** Failed ***")));
}

void TestRatingRoll::missingFileIsReportedOnceAtStart()
{
    AppFixture &app = start(std::nullopt);
    QCOMPARE(app.errorTexts(), QStringList{QStringLiteral("ファイル RatingTable.txt は開けません.")});
    QCOMPARE(app.errors().first().caption, QStringLiteral("tst_ratingroll"));
    QCOMPARE(Main->ComboBox4->count(), 0);
    QVERIFY(!Main->Button2->isEnabled());
    Main->Button2->runClick();
    QVERIFY(Main->Memo1->lines().isEmpty());
    QCOMPARE(app.errors().size(), 1);
}

void TestRatingRoll::emptyLineStopsTheLabelsAtStart()
{
    AppFixture &app
        = start(QByteArray("A,1,1,1,1,1,1,1,1,1,1\r\nB,2,2,2,2,2,2,2,2,2,2\r\n\r\nC,3,3,3,3,3,3,3,3,3,3\r\n"));
    QCOMPARE(app.errorTexts(), QStringList{QStringLiteral("リストのインデックスが範囲を超えています (0)")});
    QCOMPARE(Main->ComboBox4->items(), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    // The labels before the empty line are usable.
    pickEntry(Main->ComboBox4, 1);
    app.dice().push({2, 3});
    QTest::mouseClick(Main->Button2, Qt::LeftButton);
    QCOMPARE(Main->Memo1->lines(), QStringList{QStringLiteral("( B: 2D6 = 5 ) -> 2 + 0 = 2")});
}

void TestRatingRoll::shiftJisLabelsAreShown()
{
    // "剣", then "ﾅｲ", whose bytes alone would also be valid UTF-8.
    AppFixture &app = start(QByteArray("\x8c\x95,1,2,3,4,5,6,7,8,9,10\n\xc5\xb2,1,2,3,4,5,6,7,8,9,10\n"));
    QVERIFY(app.errors().isEmpty());
    QCOMPARE(Main->ComboBox4->items(), (QStringList{QStringLiteral("剣"), QStringLiteral("ﾅｲ")}));
    pickEntry(Main->ComboBox4, 0);
    app.dice().push({4, 4});
    QTest::mouseClick(Main->Button2, Qt::LeftButton);
    QCOMPARE(Main->Memo1->lines(), QStringList{QStringLiteral("( 剣: 2D6 = 8 ) -> 6 + 0 = 6")});
}

void TestRatingRoll::sampleTableLoads()
{
    QFile sample(QStringLiteral(CORVANE_SOURCE_DIR "/data/RatingTable.txt"));
    QVERIFY(sample.open(QIODevice::ReadOnly));
    AppFixture &app = start(sample.readAll());
    QVERIFY(app.errors().isEmpty());
    QVERIFY(Main->ComboBox4->count() >= 5);
    QVERIFY(Main->ComboBox4->items().contains(QStringLiteral("炎の剣")));
    for (int i = 0; i < Main->ComboBox4->count(); ++i) {
        Main->ComboBox4->setItemIndex(i);
        for (int r = 3; r <= 12; ++r) {
            // Every result of every rating has its value.
            app.dice().push({r - r / 2, r / 2});
            Main->CheckBox1->setCheck(false);
            Main->Button2->runClick();
        }
    }
    QVERIFY(app.errors().isEmpty());
    QCOMPARE(Main->Memo1->lines().size(), Main->ComboBox4->count() * 10);
}

QTEST_MAIN(TestRatingRoll)
#include "tst_ratingroll.moc"
