#include "console/Unit_Main.h"
#include "controls/buttons.h"
#include "controls/choicebox.h"
#include "controls/layout.h"
#include "controls/radiogroup.h"
#include "controls/spinfield.h"
#include "roster/Unit_Enemy.h"
#include "shell/forms.h"
#include "support/appfixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The columns of a row as drawn, in the order they are made.
struct Column
{
    const char *name;
    QList<SpinField *> TEnemy::*list; // none for the name column
    char letter;                      // 0 for an unnamed column
    int left;
    int width;
    int height;
    const char *text;
    qint32 max; // equal to the minimum 0: not limited
};

const Column columns[] = {
    {"_Name", nullptr, 'E', 8, 129, 20, "Name %1", 0},
    {"_HP_pst", &TEnemy::HP_pst, 0, 144, 49, 21, "10", 0},
    {"_HP_max", &TEnemy::HP_max, 'M', 200, 49, 21, "10", 9999},
    {"_MP_pst", &TEnemy::MP_pst, 0, 256, 49, 21, "10", 0},
    {"_MP_max", &TEnemy::MP_max, 'N', 312, 49, 21, "10", 9999},
    {"_Piece", &TEnemy::Piece, 'P', 368, 41, 21, "0", 99},
    {"_Initiative", &TEnemy::Initiative, 0, 416, 41, 21, "7", 99},
    {"_Hit_mod", &TEnemy::Hit_mod, 'H', 464, 49, 21, "0", 0},
    {"_Hit_fix", &TEnemy::Hit_fix, 'I', 464, 49, 21, "7", 0},
    {"_Dmg_mod", &TEnemy::Dmg_mod, 'J', 520, 49, 21, "0", 0},
    {"_Ddg_mod", &TEnemy::Ddg_mod, 'D', 576, 49, 21, "0", 0},
    {"_Ddg_fix", &TEnemy::Ddg_fix, 'C', 576, 49, 21, "7", 0},
    {"_Prevent", &TEnemy::Prevent, 'B', 632, 49, 21, "0", 0},
};

QWidget *control(int column, int row)
{
    const Column &c = columns[column];
    if (!c.list)
        return Enemy->Name.at(row);
    return (Enemy->*c.list).at(row);
}

SpinField *field(const QString &name, int row)
{
    for (const Column &c : columns) {
        if (c.list && name == QLatin1String(c.name))
            return (Enemy->*c.list).at(row);
    }
    qFatal("no column %s", qPrintable(name));
}

QWidget *sheet()
{
    return Enemy->scrollArea()->widget();
}

QRect placeOnSheet(const QWidget *widget)
{
    return {widget->mapTo(sheet(), QPoint(0, 0)), widget->size()};
}

void addRows(int count)
{
    for (int i = 0; i < count; ++i)
        Enemy->Party_add->runClick();
}

bool activateEnemy()
{
    Enemy->activateWindow();
    return QTest::qWaitForWindowActive(Enemy);
}

} // namespace

class TestEnemy : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void startsWithOneRowAndPlusAddsMore();
    void rowsFollowTheColumnTable_data();
    void rowsFollowTheColumnTable();
    void presentValuesFollowMaxima_data();
    void presentValuesFollowMaxima();
    void fixedValuesStaySevenApart_data();
    void fixedValuesStaySevenApart();
    void renamingMirrorsIntoTargets_data();
    void renamingMirrorsIntoTargets();
    void newRowsFollowTheOppositionMode();
    void handlersFindTwoDigitRows();
    void focusMovesRowAfterRow();
    void heightStopsAtTheScreenAndRowsScroll();

private:
    std::unique_ptr<AppFixture> m_app;
};

void TestEnemy::init()
{
    m_app = std::make_unique<AppFixture>();
}

void TestEnemy::cleanup()
{
    QVERIFY2(m_app->errors().isEmpty(), qPrintable(m_app->errorTexts().join(u'\n')));
    m_app.reset();
}

void TestEnemy::startsWithOneRowAndPlusAddsMore()
{
    QCOMPARE(Enemy->RowCount, 1);
    QCOMPARE(Enemy->height(), clientHeightFor(100));
    QCOMPARE(Main->ComboBox7->items(), QStringList{u"Name 1"_s});
    QCOMPARE(Main->ComboBox7->itemIndex(), -1);
    QVERIFY(!Enemy->Party_del->isEnabled());

    QTest::mouseClick(Enemy->Party_add, Qt::LeftButton);
    QCOMPARE(Enemy->RowCount, 2);
    QCOMPARE(Enemy->height(), clientHeightFor(132));
    QCOMPARE(placeOnSheet(Enemy->Name.at(1)).top(), 72);
    QCOMPARE(Main->ComboBox7->items(), (QStringList{u"Name 1"_s, u"Name 2"_s}));
    QCOMPARE(Main->ComboBox7->itemIndex(), -1);
}

void TestEnemy::rowsFollowTheColumnTable_data()
{
    QTest::addColumn<int>("column");
    for (int c = 0; c < int(std::size(columns)); ++c)
        QTest::newRow(columns[c].name) << c;
}

// Rows 0 and 1 and the first row with a two-digit index, in fixed mode.
void TestEnemy::rowsFollowTheColumnTable()
{
    QFETCH(int, column);
    const Column &c = columns[column];
    addRows(10);

    for (const int row : {0, 1, 10}) {
        const QWidget *widget = control(column, row);
        const QString at = u"row %1"_s.arg(row);
        QCOMPARE(widget->objectName(), c.letter ? QLatin1Char(c.letter) + QString::number(row) : QString());
        QVERIFY2(placeOnSheet(widget) == QRect(c.left, row * 32 + 40, c.width, c.height), qPrintable(at));
        QVERIFY2(widget->isVisible(), qPrintable(at));
        if (const auto *spin = qobject_cast<const SpinField *>(widget)) {
            QCOMPARE(spin->text(), QString::fromLatin1(c.text));
            QCOMPARE(spin->minValue(), 0);
            QCOMPARE(spin->maxValue(), c.max);
        } else {
            QCOMPARE(static_cast<const QLineEdit *>(widget)->text(), QString::fromLatin1(c.text).arg(row + 1));
        }
    }
}

void TestEnemy::presentValuesFollowMaxima_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("hpTyped");
    QTest::addColumn<QString>("mpTyped");
    QTest::addColumn<QString>("hpLeft");
    QTest::addColumn<QString>("mpLeft");

    // The present values start lowered to 4 and 3. A value outside the
    // field's limits counts as typed until the field is left.
    QTest::newRow("two pieces") << u"_Piece"_s << u"2"_s << u"20"_s << u"12"_s << u"20"_s << u"12"_s;
    QTest::newRow("new maximum HP restores both")
        << u"_HP_max"_s << u"12"_s << u"12"_s << u"10"_s << u"12"_s << u"10"_s;
    QTest::newRow("150 pieces") << u"_Piece"_s << u"150"_s << u"760"_s << u"160"_s << u"505"_s << u"109"_s;
    QTest::newRow("negative maximum MP") << u"_MP_max"_s << u"-5"_s << u"10"_s << u"-5"_s << u"10"_s << u"0"_s;
    QTest::newRow("initiative has no handler") << u"_Initiative"_s << u"150"_s << u"4"_s << u"3"_s << u"4"_s << u"3"_s;
}

void TestEnemy::presentValuesFollowMaxima()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, hpTyped);
    QFETCH(QString, mpTyped);
    QFETCH(QString, hpLeft);
    QFETCH(QString, mpLeft);
    addRows(1);
    QVERIFY(activateEnemy());
    // The present values have no handler: the user may lower them freely.
    typeInto(Enemy->HP_pst.at(1), u"4"_s);
    typeInto(Enemy->MP_pst.at(1), u"3"_s);
    SpinField *spin = ::field(field, 1);
    spin->setFocus();

    typeInto(spin, typed);
    QCOMPARE(Enemy->HP_pst.at(1)->text(), hpTyped);
    QCOMPARE(Enemy->MP_pst.at(1)->text(), mpTyped);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(!spin->editor()->hasFocus());
    QCOMPARE(Enemy->HP_pst.at(1)->text(), hpLeft);
    QCOMPARE(Enemy->MP_pst.at(1)->text(), mpLeft);
}

void TestEnemy::fixedValuesStaySevenApart_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("partner");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("fieldAfter");
    QTest::addColumn<QString>("partnerAfter");

    QTest::newRow("hit modifier 3") << u"_Hit_mod"_s << u"_Hit_fix"_s << QString() << u"3"_s << u"3"_s << u"10"_s;
    QTest::newRow("dodge fixed 5") << u"_Ddg_fix"_s << u"_Ddg_mod"_s << QString() << u"5"_s << u"5"_s << u"-2"_s;
    // A lone sign reads as 0. The partner's answer rewrites the field only
    // when the partner's text changed.
    QTest::newRow("lone minus, partner unchanged")
        << u"_Hit_mod"_s << u"_Hit_fix"_s << QString() << u"-"_s << u"-"_s << u"7"_s;
    QTest::newRow("lone minus, partner changed")
        << u"_Ddg_mod"_s << u"_Ddg_fix"_s << u"3"_s << u"-"_s << u"0"_s << u"7"_s;
    QTest::newRow("lone minus in a fixed field")
        << u"_Hit_fix"_s << u"_Hit_mod"_s << QString() << u"-"_s << u"0"_s << u"-7"_s;
}

void TestEnemy::fixedValuesStaySevenApart()
{
    QFETCH(QString, field);
    QFETCH(QString, partner);
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QFETCH(QString, fieldAfter);
    QFETCH(QString, partnerAfter);
    addRows(1);

    if (!before.isEmpty())
        typeInto(::field(field, 1), before);
    typeInto(::field(field, 1), typed);

    QCOMPARE(::field(field, 1)->text(), fieldAfter);
    QCOMPARE(::field(partner, 1)->text(), partnerAfter);
}

void TestEnemy::renamingMirrorsIntoTargets_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("renamed");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("shown");

    QTest::newRow("the selected target") << 1 << 1 << QStringList{u"Name 1"_s, u"Goblin"_s} << u"Goblin"_s;
    QTest::newRow("another target") << 1 << 0 << QStringList{u"Goblin"_s, u"Name 2"_s} << u"Name 2"_s;
    QTest::newRow("nothing selected") << -1 << 1 << QStringList{u"Name 1"_s, u"Goblin"_s} << QString();
}

void TestEnemy::renamingMirrorsIntoTargets()
{
    QFETCH(int, selected);
    QFETCH(int, renamed);
    QFETCH(QStringList, items);
    QFETCH(QString, shown);
    addRows(1);
    Main->ComboBox7->setItemIndex(selected);
    const QString shownBefore = Main->ComboBox7->text();

    typeInto(Enemy->Name.at(renamed), u"Goblin"_s);

    QCOMPARE(Main->ComboBox7->items(), items);
    QCOMPARE(Main->ComboBox7->itemIndex(), selected);
    QCOMPARE(Main->ComboBox7->text(), shown.isNull() ? shownBefore : shown);
}

void TestEnemy::newRowsFollowTheOppositionMode()
{
    const auto onTop = [](int row, const QList<SpinField *> &column) {
        QWidget *strip = column.at(row)->parentWidget();
        QWidget *hit = strip->childAt(column.at(row)->geometry().center());
        return hit && (hit == column.at(row) || column.at(row)->isAncestorOf(hit));
    };
    QVERIFY(onTop(0, Enemy->Hit_fix));
    QVERIFY(onTop(0, Enemy->Ddg_fix));

    Main->RadioGroup1->setItemIndex(0);
    addRows(1);
    QVERIFY(!Enemy->Hit_fix.at(1)->isVisible());
    QVERIFY(!Enemy->Ddg_fix.at(1)->isVisible());
    QVERIFY(onTop(1, Enemy->Hit_mod));
    QVERIFY(onTop(1, Enemy->Ddg_mod));

    // Switching back shows the fixed fields of the row made in random mode
    // over its modifier fields again.
    Main->RadioGroup1->setItemIndex(1);
    QVERIFY(onTop(1, Enemy->Hit_fix));
    QVERIFY(onTop(1, Enemy->Ddg_fix));
    addRows(1);
    QVERIFY(Enemy->Hit_fix.at(2)->isVisible());
    QVERIFY(Enemy->Ddg_fix.at(2)->isVisible());
}

void TestEnemy::handlersFindTwoDigitRows()
{
    addRows(10);
    QCOMPARE(Enemy->findChild<QLineEdit *>(u"E10"_s), Enemy->Name.at(10));

    typeInto(Enemy->Piece.at(10), u"1"_s);
    typeInto(Enemy->Ddg_fix.at(10), u"9"_s);
    typeInto(Enemy->Name.at(10), u"Orc"_s);

    QCOMPARE(Enemy->HP_pst.at(10)->text(), u"15"_s);
    QCOMPARE(Enemy->Ddg_mod.at(10)->text(), u"2"_s);
    QCOMPARE(Main->ComboBox7->items().at(10), u"Orc"_s);
    // Row 1, which a reading of one digit would give, is untouched.
    QCOMPARE(Enemy->HP_pst.at(1)->text(), u"10"_s);
    QCOMPARE(Enemy->Ddg_mod.at(1)->text(), u"0"_s);
    QCOMPARE(Main->ComboBox7->items().at(1), u"Name 2"_s);
}

void TestEnemy::focusMovesRowAfterRow()
{
    addRows(1);
    QVERIFY(activateEnemy());
    Enemy->Party_add->setFocus();

    QList<QWidget *> expected;
    for (int row = 0; row < 2; ++row) {
        for (int c = 0; c < int(std::size(columns)); ++c)
            expected.append(control(c, row));
    }
    // The disabled "-" is passed over; after the last row comes "+" again.
    expected.append(Enemy->Party_add);

    QList<QWidget *> visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(focusedControl());
    }
    QCOMPARE(visited, expected);
}

void TestEnemy::heightStopsAtTheScreenAndRowsScroll()
{
    const QRect available = Enemy->screen()->availableGeometry();
    const int left = Enemy->pos().x();
    QScrollArea *area = Enemy->scrollArea();
    // Enough rows to fill the whole screen height and more. The window grows
    // down while there is room, then moves up just enough to show every row;
    // only once it is as high as the screen do the rows scroll.
    int top = Enemy->frameGeometry().top();
    for (int i = 0; i < available.height() / 32 + 2; ++i) {
        Enemy->Party_add->runClick();
        const QRect frame = Enemy->frameGeometry();
        QVERIFY(available.contains(frame));
        QCOMPARE(frame.left(), left);
        QVERIFY(frame.top() == top || (frame.top() < top && frame.bottom() == available.bottom()));
        top = frame.top();
        if (area->verticalScrollBar()->maximum() > 0)
            QVERIFY(frame.top() == available.top() && frame.height() == available.height());
    }
    QVERIFY(area->verticalScrollBar()->maximum() > 0);
    // The scroll bar takes width of its own rather than hiding the last column.
    QCOMPARE(area->horizontalScrollBar()->maximum(), 0);

    // Moved down half off the screen, the window comes back whole at the next
    // add.
    Enemy->move(left, available.center().y());
    Enemy->Party_add->runClick();
    QCOMPARE(Enemy->frameGeometry().top(), available.top());
    QCOMPARE(Enemy->frameGeometry().height(), available.height());

    QVERIFY(activateEnemy());
    const QRect viewport = area->viewport()->rect();
    const auto shown = [area](const QWidget *widget) {
        return QRect(widget->mapTo(area->viewport(), QPoint(0, 0)), widget->size());
    };
    QVERIFY(!viewport.contains(shown(Enemy->Prevent.last())));
    // Focus given from anywhere, not only by the Tab key, brings its row in.
    Enemy->Prevent.last()->setFocus();
    QVERIFY(viewport.contains(shown(Enemy->Prevent.last())));
    QVERIFY(!viewport.contains(shown(Enemy->Party_add)));
    Enemy->Name.first()->setFocus();
    QVERIFY(viewport.contains(shown(Enemy->Party_add)));
}

QTEST_MAIN(TestEnemy)
#include "tst_enemy.moc"
