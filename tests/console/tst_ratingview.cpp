#include "console/Unit_Main.h"
#include "console/Unit_RatingView.h"
#include "controls/distributionchart.h"
#include "controls/spinfield.h"
#include "roster/Unit_Enemy.h"
#include "shell/forms.h"
#include "support/appfixture.h"

#include <QClipboard>
#include <QLabel>
#include <QTableWidget>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The cells shown in bold: where the present rating and critical value
// cross.
QList<QPoint> markedCells()
{
    QList<QPoint> marked;
    for (int row = 0; row < RatingView->Grid->rowCount(); ++row) {
        for (int column = 0; column < RatingView->Grid->columnCount(); ++column) {
            if (RatingView->Grid->item(row, column)->font().bold())
                marked.append({column, row});
        }
    }
    return marked;
}

QString chartMean()
{
    return RatingView->Chart->accessibleDescription().section(u'\n', 0, 0);
}

} // namespace

// The rating table window, following the main window's controls as the user
// changes them. The expected totals were worked out apart from the program.
class TestRatingView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void followsTheSetupAndCopiesTheTable();
};

void TestRatingView::followsTheSetupAndCopiesTheTable()
{
    AppFixture app(AppFixture::sampleTable() + "Short,1,2,3\r\n");
    QVERIFY(!RatingView);
    // Opened by its shortcut from another window.
    Enemy->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Enemy));
    QTest::keyClick(Enemy, Qt::Key_3, Qt::ControlModifier);
    QVERIFY(RatingView && RatingView->isVisible());
    QVERIFY(markedCells().isEmpty());
    QCOMPARE(RatingView->Chart->accessibleDescription(), u"威力が選ばれていません"_s);

    // Blade at the critical value 10, then 10 - 2 raised to 8.
    pickEntry(Main->ComboBox4, 0);
    QCOMPARE(markedCells(), QList<QPoint>{QPoint(2, 0)});
    QCOMPARE(chartMean(), u"期待値 7.2"_s);
    QVERIFY(
        RatingView->Chart->accessibleDescription().contains(u"\n自動失敗: 2.8%\n合計 1–2: 13.9%、1 以上: 97.2%\n"_s));
    typeInto(Main->SpinEdit4, u"-2"_s);
    QCOMPARE(markedCells(), QList<QPoint>{QPoint(0, 0)});
    QCOMPARE(chartMean(), u"期待値 10.3"_s);
    // The worked example's modifier 3 + 1, at the critical value 10.
    typeInto(Main->SpinEdit5, u"3"_s);
    typeInto(Main->SpinEdit6, u"1"_s);
    typeInto(Main->SpinEdit4, u"0"_s);
    QCOMPARE(markedCells(), QList<QPoint>{QPoint(2, 0)});
    QCOMPARE(RatingView->Grid->item(0, 2)->text(), u"11.1"_s);
    QCOMPARE(chartMean(), u"期待値 11.1"_s);
    QCOMPARE(RatingView->ChartCaption->text(), u"Blade: C値 10、補正 4"_s);

    // Another cell clicked shows its roll; the marks stay with the setup.
    QTableWidget *grid = RatingView->Grid;
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(1, 5)).center());
    QCOMPARE(RatingView->ChartCaption->text(), u"Long Blade: クリティカルなし、補正 4"_s);
    QCOMPARE(chartMean(), u"期待値 10.9"_s);
    QCOMPARE(markedCells(), QList<QPoint>{QPoint(2, 0)});
    QCOMPARE(grid->item(3, 0)->toolTip(),
             u"この威力は振れないことがあります（リストのインデックスが範囲を超えています (4)）"_s);

    QGuiApplication::clipboard()->clear();
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             u"威力\t8\t9\t10\t11\t12\tなし\n"
             "Blade\t14.2\t12.2\t11.1\t10.5\t10.1\t9.9\n"
             "Long Blade\t15.9\t13.6\t12.3\t11.5\t11.1\t10.9\n"
             "Zero\t3.9\t3.9\t3.9\t3.9\t3.9\t3.9\n"
             "Short\t—\t—\t—\t—\t—\t—\n"_s);

    // Hidden, it follows nothing; shown again, it catches up.
    QVERIFY(RatingView->close());
    typeInto(Main->SpinEdit6, u"2"_s);
    QCOMPARE(grid->item(0, 2)->text(), u"11.1"_s);
    Main->ViewRating->trigger();
    QVERIFY(RatingView->isVisible());
    QCOMPARE(grid->item(0, 2)->text(), u"12.1"_s);
    QVERIFY(app.errors().isEmpty());
}

QTEST_MAIN(TestRatingView)
#include "tst_ratingview.moc"
