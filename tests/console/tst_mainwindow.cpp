#include "console/Unit_Main.h"
#include "controls/buttons.h"
#include "controls/choicebox.h"
#include "controls/logmemo.h"
#include "controls/radiogroup.h"
#include "controls/spinfield.h"
#include "shell/forms.h"
#include "support/appfixture.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QToolBar>
#include <QtTest>

#include <memory>

namespace {

enum Tick { NoTick, Unticked, Ticked };

const QString InClient;
const QString InGroupBox1 = QStringLiteral("GroupBox1");
const QString InGroupBox2 = QStringLiteral("GroupBox2");

const QStringList CheckTypeNames = {
    QStringLiteral("汎用"), QStringLiteral("命中力"),   QStringLiteral("回避力"),   QStringLiteral("魔法"),
    QStringLiteral("先制"), QStringLiteral("魔物知識"), QStringLiteral("生命抵抗"), QStringLiteral("精神抵抗"),
};
const QStringList Abilities = {
    QStringLiteral("器用"), QStringLiteral("敏捷"), QStringLiteral("筋力"),
    QStringLiteral("生命"), QStringLiteral("知力"), QStringLiteral("精神"),
};
const QStringList StartingSkillChoices = {QStringLiteral("(none)"), QStringLiteral("冒険者")};

QWidget *control(const QString &name)
{
    return Main->findChild<QWidget *>(name);
}

// What the control shows as its caption or text.
QString captionOf(const QWidget *w)
{
    if (const auto *label = qobject_cast<const QLabel *>(w))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(w))
        return button->text();
    if (const auto *group = qobject_cast<const QGroupBox *>(w))
        return group->title();
    if (const auto *choice = qobject_cast<const ChoiceBox *>(w))
        return choice->text();
    if (const auto *spin = qobject_cast<const SpinField *>(w))
        return spin->text();
    if (const auto *memo = qobject_cast<const QPlainTextEdit *>(w))
        return memo->toPlainText();
    return w->windowTitle();
}

// The named control of the console that holds `w`, or `w` itself.
QWidget *owningControl(QWidget *w)
{
    for (QWidget *p = w; p && p != Main; p = p->parentWidget()) {
        if (!p->objectName().isEmpty() && p->objectName() != QLatin1String("client")
            && Main->findChild<QWidget *>(p->objectName()) == p)
            return p;
    }
    return w;
}

QString focusedName()
{
    const QWidget *focused = focusedControl();
    return focused ? focused->objectName() : QString();
}

} // namespace

// The console as start-up leaves it, before the user has done anything.
class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_app = std::make_unique<AppFixture>(); }
    void cleanup() { m_app.reset(); }

    void windowIsPlacedAndCaptioned();
    void controlsStartAsDrawn_data();
    void controlsStartAsDrawn();
    void choiceListsStartAsDrawn_data();
    void choiceListsStartAsDrawn();
    void radioGroupsStartAsDrawn_data();
    void radioGroupsStartAsDrawn();
    void noHandlerRunsAtStart();
    void fixedValueCoversTheModifier();
    void menuHoldsOnlyAbout();
    void spinLimitsOnLeaving_data();
    void spinLimitsOnLeaving();
    void mpPowerTargetStaysDisabled();
    void tabVisitsTheControlsInOrder();

private:
    std::unique_ptr<AppFixture> m_app;
};

void TestMainWindow::windowIsPlacedAndCaptioned()
{
    QCOMPARE(Main->windowTitle(), QStringLiteral("Main"));
    QCOMPARE(Main->pos(), QPoint(192, 107));
    // 696 x 480 outside, less the frame, caption and menu bar.
    QCOMPARE(Main->centralWidget()->size(), QSize(688, 434));
    QVERIFY(Main->isVisible());
    QVERIFY(m_app->errors().isEmpty());
}

void TestMainWindow::controlsStartAsDrawn_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("tick");

    const auto row = [](const char *name, const char *kind, const QString &parent, QRect geometry,
                        const QString &caption, bool enabled = true, Tick tick = NoTick) {
        QTest::newRow(name) << QString::fromLatin1(kind) << parent << geometry << caption << enabled << int(tick);
    };
    row("ToolBar1", "QToolBar", InClient, {0, 0, 688, 29}, QStringLiteral("ToolBar1"));

    row("Label2", "QLabel", InClient, {128, 40, 59, 12}, QStringLiteral("使用スキル"));
    row("Label3", "QLabel", InClient, {240, 40, 36, 12}, QStringLiteral("能力値"));
    row("Label4", "QLabel", InClient, {304, 40, 48, 12}, QStringLiteral("補正合計"));
    row("Label5", "QLabel", InClient, {360, 40, 48, 12}, QStringLiteral("一時補正"));

    row("Label1", "QLabel", InClient, {8, 56, 24, 12}, QStringLiteral("判定"));
    row("ComboBox1", "ChoiceBox", InClient, {40, 56, 81, 20}, QStringLiteral("汎用"));
    row("ComboBox2", "ChoiceBox", InClient, {128, 56, 105, 20}, QStringLiteral("Select"));
    row("ComboBox3", "ChoiceBox", InClient, {240, 56, 57, 20}, QStringLiteral("Select"));
    row("SpinEdit1", "SpinField", InClient, {304, 56, 49, 21}, QStringLiteral("0"));
    row("SpinEdit2", "SpinField", InClient, {360, 56, 49, 21}, QStringLiteral("0"));
    row("Button1", "Button", InClient, {416, 56, 75, 25}, QStringLiteral("Dice Roll"));
    row("CheckBox2", "CheckBox", InClient, {496, 64, 113, 17}, QStringLiteral("威力も続けて判定"), true, Unticked);

    row("Label6", "QLabel", InClient, {8, 88, 24, 12}, QStringLiteral("威力"));
    row("ComboBox4", "ChoiceBox", InClient, {40, 88, 81, 20}, QStringLiteral("Select"));
    row("ComboBox6", "ChoiceBox", InClient, {128, 88, 105, 20}, QStringLiteral("Select"));
    row("ComboBox5", "ChoiceBox", InClient, {240, 88, 57, 20}, QStringLiteral("Select"));
    row("SpinEdit5", "SpinField", InClient, {304, 88, 49, 21}, QStringLiteral("0"));
    row("SpinEdit6", "SpinField", InClient, {360, 88, 49, 21}, QStringLiteral("0"));
    row("Button2", "Button", InClient, {416, 88, 75, 25}, QStringLiteral("Rating Roll"), false);
    row("CheckBox1", "CheckBox", InClient, {496, 88, 105, 17}, QStringLiteral("クリティカルする"), true, Ticked);
    row("Label7", "QLabel", InClient, {496, 112, 44, 12}, QStringLiteral("C値基本"));
    row("Label8", "QLabel", InClient, {552, 112, 44, 12}, QStringLiteral("C値補正"));
    row("SpinEdit3", "SpinField", InClient, {496, 128, 49, 21}, QStringLiteral("10"));
    row("SpinEdit4", "SpinField", InClient, {552, 128, 49, 21}, QStringLiteral("0"));

    row("Label11", "QLabel", InClient, {184, 112, 36, 12}, QStringLiteral("現在値"));
    row("Label9", "QLabel", InClient, {160, 128, 15, 12}, QStringLiteral("HP"));
    row("Label10", "QLabel", InClient, {160, 160, 16, 12}, QStringLiteral("MP"));
    row("SpinEdit7", "SpinField", InClient, {184, 128, 49, 21}, QStringLiteral("14"));
    row("SpinEdit8", "SpinField", InClient, {184, 160, 49, 21}, QStringLiteral("14"));
    row("Label12", "QLabel", InClient, {248, 128, 48, 12}, QStringLiteral("物理防護"));
    row("Label13", "QLabel", InClient, {248, 160, 48, 12}, QStringLiteral("魔法防護"));
    row("SpinEdit9", "SpinField", InClient, {304, 128, 49, 21}, QStringLiteral("0"));
    row("SpinEdit10", "SpinField", InClient, {360, 128, 49, 21}, QStringLiteral("0"));
    row("SpinEdit11", "SpinField", InClient, {304, 160, 49, 21}, QStringLiteral("0"));
    row("SpinEdit12", "SpinField", InClient, {360, 160, 49, 21}, QStringLiteral("0"));

    row("GroupBox1", "QGroupBox", InClient, {488, 160, 193, 265}, QStringLiteral("目標値"));
    row("RadioButton1", "RadioButton", InGroupBox1, {8, 16, 81, 17}, QStringLiteral("なし"), true, Ticked);
    row("RadioButton2", "RadioButton", InGroupBox1, {8, 40, 81, 17}, QStringLiteral("数値を指定"), true, Unticked);
    row("SpinEdit13", "SpinField", InGroupBox1, {96, 36, 49, 21}, QStringLiteral("0"), false);
    row("SpinEdit14", "SpinField", InGroupBox1, {96, 36, 49, 21}, QStringLiteral("7"), false);
    row("RadioButton3", "RadioButton", InGroupBox1, {8, 64, 81, 17}, QStringLiteral("対象を指定"), true, Unticked);
    row("ComboBox7", "ChoiceBox", InGroupBox1, {8, 85, 161, 20}, QStringLiteral("Select"), false);
    row("RadioButton4", "RadioButton", InGroupBox1, {8, 112, 81, 17}, QStringLiteral("全員を対象"), true, Unticked);
    row("ComboBox8", "ChoiceBox", InGroupBox1, {96, 112, 73, 20}, QStringLiteral("敵のみ"), false);
    row("RadioGroup1", "RadioGroup", InGroupBox1, {8, 144, 81, 65}, QStringLiteral("判定"));
    row("RadioGroup2", "RadioGroup", InGroupBox1, {96, 144, 89, 65}, QStringLiteral("出目の公開"), false);
    row("GroupBox2", "QGroupBox", InGroupBox1, {8, 216, 177, 41}, QStringLiteral("威力の対象"));
    row("RadioButton5", "RadioButton", InGroupBox2, {8, 16, 49, 17}, QStringLiteral("なし"), false, Ticked);
    row("RadioButton6", "RadioButton", InGroupBox2, {64, 16, 41, 17}, QStringLiteral("HP"), false, Unticked);
    row("RadioButton7", "RadioButton", InGroupBox2, {120, 16, 41, 17}, QStringLiteral("MP"), false, Unticked);

    row("Memo1", "LogMemo", InClient, {8, 304, 361, 121}, QString());
    row("Button4", "Button", InClient, {376, 304, 75, 25}, QStringLiteral("Reset"));
    row("CheckBox4", "CheckBox", InClient, {376, 336, 73, 17}, QStringLiteral("ログ消去"), true, Ticked);
    row("CheckBox5", "CheckBox", InClient, {376, 360, 97, 17}, QStringLiteral("HPをMax値に"), true, Ticked);
    row("CheckBox6", "CheckBox", InClient, {376, 384, 97, 17}, QStringLiteral("MPをMax値に"), true, Ticked);
}

void TestMainWindow::controlsStartAsDrawn()
{
    QFETCH(QString, kind);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    QFETCH(bool, enabled);
    QFETCH(int, tick);

    QWidget *w = control(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(w);
    QCOMPARE(w->metaObject()->className(), kind);
    QWidget *expectedParent = parent.isEmpty() ? Main->centralWidget() : control(parent);
    QCOMPARE(w->parentWidget(), expectedParent);
    if (kind == QLatin1String("QLabel")) {
        // A label is as wide as its caption in the font at hand.
        QCOMPARE(w->pos(), geometry.topLeft());
        QVERIFY2(w->width() >= geometry.width() && w->height() >= geometry.height(),
                 qPrintable(QStringLiteral("size %1 x %2").arg(w->width()).arg(w->height())));
    } else {
        QCOMPARE(w->geometry(), geometry);
    }
    QCOMPARE(captionOf(w), caption);
    QCOMPARE(w->isEnabled(), enabled);
    QVERIFY(w->isVisible());
    if (tick != NoTick) {
        auto *button = qobject_cast<QAbstractButton *>(w);
        QVERIFY(button);
        QCOMPARE(button->isChecked(), tick == Ticked);
    }
}

void TestMainWindow::choiceListsStartAsDrawn_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("itemIndex");
    QTest::addColumn<QString>("text");

    QTest::newRow("ComboBox1") << CheckTypeNames << 0 << QStringLiteral("汎用");
    QTest::newRow("ComboBox2") << StartingSkillChoices << -1 << QStringLiteral("Select");
    QTest::newRow("ComboBox3") << Abilities << -1 << QStringLiteral("Select");
    QTest::newRow("ComboBox4") << QStringList{QStringLiteral("Blade"), QStringLiteral("Long Blade"),
                                              QStringLiteral("Zero")}
                               << -1 << QStringLiteral("Select");
    QTest::newRow("ComboBox5") << Abilities << -1 << QStringLiteral("Select");
    QTest::newRow("ComboBox6") << StartingSkillChoices << -1 << QStringLiteral("Select");
    // The enemy window fills the target list with its one row.
    QTest::newRow("ComboBox7") << QStringList{QStringLiteral("Name 1")} << -1 << QStringLiteral("Select");
    QTest::newRow("ComboBox8") << QStringList{QStringLiteral("敵のみ")} << -1 << QStringLiteral("敵のみ");
}

void TestMainWindow::choiceListsStartAsDrawn()
{
    QFETCH(QStringList, items);
    QFETCH(int, itemIndex);
    QFETCH(QString, text);

    auto *box = Main->findChild<ChoiceBox *>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(box);
    QCOMPARE(box->items(), items);
    QCOMPARE(box->itemIndex(), itemIndex);
    QCOMPARE(box->text(), text);
    // What the user sees in the box itself.
    QCOMPARE(box->comboBox()->lineEdit()->text(), text);
}

void TestMainWindow::radioGroupsStartAsDrawn_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("itemIndex");

    QTest::newRow("RadioGroup1") << QStringList{QStringLiteral("ランダム"), QStringLiteral("固定")} << 1;
    QTest::newRow("RadioGroup2") << QStringList{QStringLiteral("クローズド"), QStringLiteral("オープン")} << 0;
}

void TestMainWindow::radioGroupsStartAsDrawn()
{
    QFETCH(QStringList, items);
    QFETCH(int, itemIndex);

    auto *group = Main->findChild<RadioGroup *>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(group);
    QStringList captions;
    for (qsizetype i = 0; i < group->count(); ++i) {
        captions.append(group->item(i)->text());
        QCOMPARE(group->item(i)->isChecked(), i == itemIndex);
    }
    QCOMPARE(captions, items);
    QCOMPARE(group->itemIndex(), itemIndex);
}

void TestMainWindow::noHandlerRunsAtStart()
{
    // "汎用" is shown but its presets, the enabling rules and the rating
    // choice's handler have not run.
    QCOMPARE(Main->ComboBox1->itemIndex(), 0);
    QCOMPARE(Main->ComboBox2->itemIndex(), -1);
    QCOMPARE(Main->ComboBox3->itemIndex(), -1);
    QCOMPARE(Main->SpinEdit1->value(), 0);
    QVERIFY(!Main->CheckBox2->isChecked());
    QVERIFY(Main->Button1->isEnabled());
    QVERIFY(!Main->Button2->isEnabled());
    QVERIFY(Main->Memo1->lines().isEmpty());
    QCOMPARE(Main->Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    for (qint32 entry : Main->SkillForCheck)
        QCOMPARE(entry, 0);
    QVERIFY(Main->SkillChoices.isEmpty());
    QCOMPARE(m_app->dice().seedings(), 1);
}

void TestMainWindow::fixedValueCoversTheModifier()
{
    SpinField *modifier = Main->SpinEdit13;
    SpinField *fixed = Main->SpinEdit14;
    QCOMPARE(fixed->geometry(), modifier->geometry());
    QVERIFY(fixed->isVisible());
    QVERIFY(!fixed->isEnabled());
    QVERIFY(!modifier->isEnabled());
    QCOMPARE(fixed->value(), 7);
    QCOMPARE(modifier->value(), 0);

    // The fixed value is the one in front, wherever the user looks.
    QWidget *seen = Main->GroupBox1->childAt(modifier->geometry().center());
    QVERIFY(seen);
    QCOMPARE(owningControl(seen), static_cast<QWidget *>(fixed));
    const QObjectList siblings = Main->GroupBox1->children();
    QVERIFY(siblings.indexOf(fixed) > siblings.indexOf(modifier));
}

void TestMainWindow::menuHoldsOnlyAbout()
{
    const QList<QAction *> top = Main->menuBar()->actions();
    QCOMPARE(top.size(), 4);
    QCOMPARE(top.first()->text(), QStringLiteral("ファイル(&F)"));
    QCOMPARE(top.at(1)->text(), QStringLiteral("表示(&V)"));
    QCOMPARE(top.at(1)->menu(), Main->View1);
    QCOMPARE(Main->View1->actions(), (QList<QAction *>{Main->ViewStates, Main->ViewEnemy, Main->ViewRating}));
    QCOMPARE(Main->ViewStates->text(), QStringLiteral("States"));
    QCOMPARE(Main->ViewStates->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_1));
    QCOMPARE(Main->ViewEnemy->text(), QStringLiteral("Enemy"));
    QCOMPARE(Main->ViewEnemy->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_2));
    QCOMPARE(Main->ViewRating->text(), QStringLiteral("威力表(&R)"));
    QCOMPARE(Main->ViewRating->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_3));
    QCOMPARE(top.at(2)->text(), QStringLiteral("戦闘(&B)"));
    QCOMPARE(top.at(2)->menu(), Main->Battle1);
    QVERIFY(Main->BattleApplyDamage->isCheckable() && !Main->BattleApplyDamage->isChecked());
    QCOMPARE(top.last()->text(), QStringLiteral("&Help"));
    QMenu *help = top.last()->menu();
    QVERIFY(help);
    QCOMPARE(help, Main->Help1);
    const QList<QAction *> entries = help->actions();
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries.first(), Main->ViewAbout);
    QCOMPARE(entries.first()->text(), QStringLiteral("&About"));
    QCOMPARE(entries.first()->objectName(), QStringLiteral("_ViewAbout"));
    QCOMPARE(entries.first()->property("category").toString(), QStringLiteral("AboutBox"));
    QVERIFY(Main->ToolBar1->actions().isEmpty());
}

void TestMainWindow::spinLimitsOnLeaving_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("left");

    QTest::newRow("critical base above 99") << "SpinEdit3"
                                            << "150"
                                            << "99";
    QTest::newRow("critical base below 8") << "SpinEdit3"
                                           << "3"
                                           << "8";
    QTest::newRow("critical base negative") << "SpinEdit3"
                                            << "-5"
                                            << "8";
    QTest::newRow("critical base within") << "SpinEdit3"
                                          << "12"
                                          << "12";
    QTest::newRow("critical modifier large") << "SpinEdit4"
                                             << "150"
                                             << "150";
    QTest::newRow("critical modifier negative") << "SpinEdit4"
                                                << "-5"
                                                << "-5";
    QTest::newRow("base value negative") << "SpinEdit1"
                                         << "-12"
                                         << "-12";
    QTest::newRow("present HP negative") << "SpinEdit7"
                                         << "-3"
                                         << "-3";
    QTest::newRow("protection large") << "SpinEdit9"
                                      << "2000000000"
                                      << "2000000000";
    QTest::newRow("not a number stays") << "SpinEdit3"
                                        << "+"
                                        << "+";
}

void TestMainWindow::spinLimitsOnLeaving()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, left);

    Main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Main));
    auto *spin = Main->findChild<SpinField *>(field);
    QVERIFY(spin);
    spin->setFocus();
    typeInto(spin, typed);
    QCOMPARE(spin->text(), typed);
    QTest::keyClick(spin->editor(), Qt::Key_Tab);
    QVERIFY(!spin->editor()->hasFocus());
    QCOMPARE(spin->text(), left);
}

void TestMainWindow::mpPowerTargetStaysDisabled()
{
    // Every check type, with and without the chained power roll.
    for (int type = 0; type < CheckTypeNames.size(); ++type) {
        pickEntry(Main->ComboBox1, type);
        QCOMPARE(Main->ComboBox1->itemIndex(), type);
        QVERIFY2(!Main->RadioButton7->isEnabled(), qPrintable(CheckTypeNames[type]));
        clickOn(Main->CheckBox2);
        QVERIFY2(!Main->RadioButton7->isEnabled(), qPrintable(CheckTypeNames[type]));
    }
    // The dodge check makes the power target choosable; MP still is not.
    pickEntry(Main->ComboBox1, 2);
    QVERIFY(Main->RadioButton6->isEnabled());
    clickOn(Main->RadioButton5);
    QVERIFY(Main->RadioButton5->isChecked());
    QVERIFY(!Main->RadioButton7->isEnabled());
}

void TestMainWindow::tabVisitsTheControlsInOrder()
{
    Main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Main));
    Main->ComboBox1->setFocus(Qt::TabFocusReason);
    QCOMPARE(focusedName(), QStringLiteral("ComboBox1"));

    // Button2 is disabled and is passed over, as are the disabled fields of
    // the target group; of a set of radio buttons only the checked one is a
    // stop. The empty tool bar takes no focus, so the round ends where it
    // began.
    const QStringList expected = {
        QStringLiteral("ComboBox2"),  QStringLiteral("ComboBox3"),    QStringLiteral("SpinEdit1"),
        QStringLiteral("SpinEdit2"),  QStringLiteral("Button1"),      QStringLiteral("Memo1"),
        QStringLiteral("ComboBox4"),  QStringLiteral("SpinEdit3"),    QStringLiteral("SpinEdit4"),
        QStringLiteral("ComboBox5"),  QStringLiteral("SpinEdit5"),    QStringLiteral("SpinEdit6"),
        QStringLiteral("CheckBox1"),  QStringLiteral("ComboBox6"),    QStringLiteral("CheckBox2"),
        QStringLiteral("Button4"),    QStringLiteral("CheckBox4"),    QStringLiteral("CheckBox5"),
        QStringLiteral("CheckBox6"),  QStringLiteral("SpinEdit7"),    QStringLiteral("SpinEdit8"),
        QStringLiteral("SpinEdit9"),  QStringLiteral("SpinEdit10"),   QStringLiteral("SpinEdit11"),
        QStringLiteral("SpinEdit12"), QStringLiteral("RadioButton1"), QStringLiteral("RadioGroup1"),
        QStringLiteral("ComboBox1"),
    };
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(focusedName());
    }
    QCOMPARE(visited, expected);
    // The log takes no tab characters: Tab moved on.
    QVERIFY(Main->Memo1->lines().isEmpty());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
