#include "console/Unit_Main.h"

#include "console/Unit_RatingView.h"
#include "console/fightbooks.h"
#include "controls/buttons.h"
#include "controls/choicebox.h"
#include "controls/errordisplay.h"
#include "controls/layout.h"
#include "controls/logmemo.h"
#include "controls/radiogroup.h"
#include "controls/spinfield.h"
#include "roster/Unit_Enemy.h"
#include "rules/checkresolution.h"
#include "rules/dice.h"
#include "rules/skilllevels.h"
#include "sheet/Unit_Friend_States.h"
#include "shell/Unit_About.h"
#include "shell/forms.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QScopeGuard>
#include <QToolBar>

namespace {

constexpr int DrawnMenuHeight = 19;

QStringList abilityItems()
{
    const auto &names = abilityNames();
    return QStringList(names.begin(), names.end());
}

ChoiceBox *makeChoiceBox(QWidget *parent, const QString &name, int left, int top, int width, int height,
                         const QStringList &items = {}, const QString &text = NothingChosenText)
{
    auto *box = place(new ChoiceBox(parent), name, left, top, width, height);
    box->setItems(items);
    box->setText(text);
    return box;
}

} // namespace

TMain::TMain(std::unique_ptr<RandomSource> random, QWidget *parent)
    : QMainWindow(parent)
    , m_random(std::move(random))
{
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QStringLiteral("Main"));
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    createMenu();
    createControls(client);
    linkTabOrder();
    bindHandlers();
    watchOdds();
    setOuterGeometry(this, 192, 107, 696, 480);
    // The menu bar lies outside the drawn client area but inside a Qt window.
    // The main window lays the bar out at its height for the window's width,
    // which may exceed its size hint.
    const int menuHeight = qMax(menuBar()->sizeHint().height(), menuBar()->heightForWidth(width()));
    resize(width(), clientHeightFor(480) - DrawnMenuHeight + menuHeight);
    keepOnScreen(this);
}

TMain::~TMain()
{
    removeAfterEntries(this);
}

void TMain::createMenu()
{
    File1 = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    File1->setObjectName(QStringLiteral("File1"));
    FileOpen = addMenuEntry(File1, QStringLiteral("FileOpen"), QStringLiteral("開く(&O)..."), Qt::CTRL | Qt::Key_O);
    FileSave = addMenuEntry(File1, QStringLiteral("FileSave"), QStringLiteral("上書き保存(&S)"), Qt::CTRL | Qt::Key_S);
    FileSaveAs = addMenuEntry(File1, QStringLiteral("FileSaveAs"), QStringLiteral("名前を付けて保存(&A)..."));
    File1->addSeparator();
    FileSaveLog = addMenuEntry(File1, QStringLiteral("FileSaveLog"), QStringLiteral("ログを保存(&L)..."), {},
                               [this](QObject *) { Memo1->saveLog(); });
    File1->addSeparator();
    FileExit = addMenuEntry(File1, QStringLiteral("FileExit"), QStringLiteral("終了(&X)"), {},
                            [this](QObject *) { close(); });

    // The other windows only hide when closed; these bring them back.
    View1 = menuBar()->addMenu(QStringLiteral("表示(&V)"));
    View1->setObjectName(QStringLiteral("View1"));
    ViewStates = addMenuEntry(View1, QStringLiteral("ViewStates"), QStringLiteral("States"), Qt::CTRL | Qt::Key_1,
                              [this](QObject *s) { ViewStatesExecute(s); });
    ViewEnemy = addMenuEntry(View1, QStringLiteral("ViewEnemy"), QStringLiteral("Enemy"), Qt::CTRL | Qt::Key_2,
                             [this](QObject *s) { ViewEnemyExecute(s); });
    ViewRating = addMenuEntry(View1, QStringLiteral("ViewRating"), QStringLiteral("威力表(&R)"), Qt::CTRL | Qt::Key_3,
                              [this](QObject *s) { ViewRatingExecute(s); });
    createBattleMenu(this);

    ViewAbout = new QAction(QStringLiteral("&About"), this);
    ViewAbout->setObjectName(QStringLiteral("_ViewAbout"));
    ViewAbout->setProperty("category", QStringLiteral("AboutBox"));
    connect(ViewAbout, &QAction::triggered, this, [this] { guarded([this] { ViewAboutExecute(ViewAbout); }); });

    Help1 = menuBar()->addMenu(QStringLiteral("&Help"));
    Help1->setObjectName(QStringLiteral("Help1"));
    Help1->addAction(ViewAbout);
    About1 = ViewAbout;
}

void TMain::createControls(QWidget *c)
{
    ToolBar1 = place(new QToolBar(QStringLiteral("ToolBar1"), c), QStringLiteral("ToolBar1"), 0, 0, 688, 29);
    ToolBar1->setMovable(false);

    Label2 = makeLabel(c, QStringLiteral("Label2"), QStringLiteral("使用スキル"), 128, 40, 59, 12);
    Label3 = makeLabel(c, QStringLiteral("Label3"), QStringLiteral("能力値"), 240, 40, 36, 12);
    Label4 = makeLabel(c, QStringLiteral("Label4"), QStringLiteral("補正合計"), 304, 40, 48, 12);
    Label5 = makeLabel(c, QStringLiteral("Label5"), QStringLiteral("一時補正"), 360, 40, 48, 12);

    // Check row.
    Label1 = makeLabel(c, QStringLiteral("Label1"), QStringLiteral("判定"), 8, 56, 24, 12);
    ComboBox1 = makeChoiceBox(c, QStringLiteral("ComboBox1"), 40, 56, 81, 20);
    ComboBox2 = makeChoiceBox(c, QStringLiteral("ComboBox2"), 128, 56, 105, 20, startingSkillChoices());
    ComboBox3 = makeChoiceBox(c, QStringLiteral("ComboBox3"), 240, 56, 57, 20, abilityItems());
    SpinEdit1 = makeSpinField(c, QStringLiteral("SpinEdit1"), 304, 56, 49, 21, 0);
    SpinEdit2 = makeSpinField(c, QStringLiteral("SpinEdit2"), 360, 56, 49, 21, 0);
    Button1 = place(new Button(QStringLiteral("Dice Roll"), c), QStringLiteral("Button1"), 416, 56, 75, 25);
    CheckBox2
        = place(new CheckBox(QStringLiteral("威力も続けて判定"), c), QStringLiteral("CheckBox2"), 496, 64, 113, 17);

    // Power row.
    Label6 = makeLabel(c, QStringLiteral("Label6"), QStringLiteral("威力"), 8, 88, 24, 12);
    ComboBox4 = makeChoiceBox(c, QStringLiteral("ComboBox4"), 40, 88, 81, 20);
    ComboBox6 = makeChoiceBox(c, QStringLiteral("ComboBox6"), 128, 88, 105, 20, startingSkillChoices());
    ComboBox5 = makeChoiceBox(c, QStringLiteral("ComboBox5"), 240, 88, 57, 20, abilityItems());
    SpinEdit5 = makeSpinField(c, QStringLiteral("SpinEdit5"), 304, 88, 49, 21, 0);
    SpinEdit6 = makeSpinField(c, QStringLiteral("SpinEdit6"), 360, 88, 49, 21, 0);
    Button2 = place(new Button(QStringLiteral("Rating Roll"), c), QStringLiteral("Button2"), 416, 88, 75, 25);
    Button2->setEnabled(false);
    CheckBox1
        = place(new CheckBox(QStringLiteral("クリティカルする"), c), QStringLiteral("CheckBox1"), 496, 88, 105, 17);
    CheckBox1->setChecked(true);
    Label7 = makeLabel(c, QStringLiteral("Label7"), QStringLiteral("C値基本"), 496, 112, 44, 12);
    Label8 = makeLabel(c, QStringLiteral("Label8"), QStringLiteral("C値補正"), 552, 112, 44, 12);
    SpinEdit3 = makeSpinField(c, QStringLiteral("SpinEdit3"), 496, 128, 49, 21, 10, CriticalBaseRange.min,
                              CriticalBaseRange.max);
    SpinEdit4 = makeSpinField(c, QStringLiteral("SpinEdit4"), 552, 128, 49, 21, 0);

    // Character rows.
    Label11 = makeLabel(c, QStringLiteral("Label11"), QStringLiteral("現在値"), 184, 112, 36, 12);
    Label9 = makeLabel(c, QStringLiteral("Label9"), QStringLiteral("HP"), 160, 128, 15, 12);
    Label10 = makeLabel(c, QStringLiteral("Label10"), QStringLiteral("MP"), 160, 160, 16, 12);
    SpinEdit7 = makeSpinField(c, QStringLiteral("SpinEdit7"), 184, 128, 49, 21, 14);
    SpinEdit8 = makeSpinField(c, QStringLiteral("SpinEdit8"), 184, 160, 49, 21, 14);
    Label12 = makeLabel(c, QStringLiteral("Label12"), QStringLiteral("物理防護"), 248, 128, 48, 12);
    Label13 = makeLabel(c, QStringLiteral("Label13"), QStringLiteral("魔法防護"), 248, 160, 48, 12);
    SpinEdit9 = makeSpinField(c, QStringLiteral("SpinEdit9"), 304, 128, 49, 21, 0);
    SpinEdit10 = makeSpinField(c, QStringLiteral("SpinEdit10"), 360, 128, 49, 21, 0);
    SpinEdit11 = makeSpinField(c, QStringLiteral("SpinEdit11"), 304, 160, 49, 21, 0);
    SpinEdit12 = makeSpinField(c, QStringLiteral("SpinEdit12"), 360, 160, 49, 21, 0);

    // Target group.
    GroupBox1 = place(new QGroupBox(QStringLiteral("目標値"), c), QStringLiteral("GroupBox1"), 488, 160, 193, 265);
    QWidget *g = GroupBox1;
    RadioButton1 = place(new RadioButton(QStringLiteral("なし"), g), QStringLiteral("RadioButton1"), 8, 16, 81, 17);
    RadioButton1->setChecked(true);
    RadioButton2
        = place(new RadioButton(QStringLiteral("数値を指定"), g), QStringLiteral("RadioButton2"), 8, 40, 81, 17);
    SpinEdit13 = makeSpinField(g, QStringLiteral("SpinEdit13"), 96, 36, 49, 21, 0);
    SpinEdit13->setEnabled(false);
    SpinEdit14 = makeSpinField(g, QStringLiteral("SpinEdit14"), 96, 36, 49, 21, fixedValueOf(0));
    SpinEdit14->setEnabled(false);
    SpinEdit14->raise();
    RadioButton3
        = place(new RadioButton(QStringLiteral("対象を指定"), g), QStringLiteral("RadioButton3"), 8, 64, 81, 17);
    ComboBox7 = makeChoiceBox(g, QStringLiteral("ComboBox7"), 8, 85, 161, 20);
    ComboBox7->setEnabled(false);
    RadioButton4
        = place(new RadioButton(QStringLiteral("全員を対象"), g), QStringLiteral("RadioButton4"), 8, 112, 81, 17);
    ComboBox8 = makeChoiceBox(g, QStringLiteral("ComboBox8"), 96, 112, 73, 20, {QStringLiteral("敵のみ")},
                              QStringLiteral("敵のみ"));
    ComboBox8->setEnabled(false);
    RadioGroup1 = place(new RadioGroup(QStringLiteral("判定"), {QStringLiteral("ランダム"), QStringLiteral("固定")}, g),
                        QStringLiteral("RadioGroup1"), 8, 144, 81, 65);
    RadioGroup1->setItemIndex(OppositionMode::Fixed);
    RadioGroup2 = place(
        new RadioGroup(QStringLiteral("出目の公開"), {QStringLiteral("クローズド"), QStringLiteral("オープン")}, g),
        QStringLiteral("RadioGroup2"), 96, 144, 89, 65);
    RadioGroup2->setItemIndex(0);
    RadioGroup2->setEnabled(false);
    GroupBox2 = place(new QGroupBox(QStringLiteral("威力の対象"), g), QStringLiteral("GroupBox2"), 8, 216, 177, 41);
    QWidget *p = GroupBox2;
    RadioButton5 = place(new RadioButton(QStringLiteral("なし"), p), QStringLiteral("RadioButton5"), 8, 16, 49, 17);
    RadioButton5->setChecked(true);
    RadioButton5->setEnabled(false);
    RadioButton6 = place(new RadioButton(QStringLiteral("HP"), p), QStringLiteral("RadioButton6"), 64, 16, 41, 17);
    RadioButton6->setEnabled(false);
    RadioButton7 = place(new RadioButton(QStringLiteral("MP"), p), QStringLiteral("RadioButton7"), 120, 16, 41, 17);
    RadioButton7->setEnabled(false);

    // Log area.
    Memo1 = place(new LogMemo(c), QStringLiteral("Memo1"), 8, 304, 361, 121);
    // The log takes no tab characters: Tab moves on to the next control.
    Memo1->setTabChangesFocus(true);
    Button4 = place(new Button(QStringLiteral("Reset"), c), QStringLiteral("Button4"), 376, 304, 75, 25);
    CheckBox4 = place(new CheckBox(QStringLiteral("ログ消去"), c), QStringLiteral("CheckBox4"), 376, 336, 73, 17);
    CheckBox4->setChecked(true);
    CheckBox5 = place(new CheckBox(QStringLiteral("HPをMax値に"), c), QStringLiteral("CheckBox5"), 376, 360, 97, 17);
    CheckBox5->setChecked(true);
    CheckBox6 = place(new CheckBox(QStringLiteral("MPをMax値に"), c), QStringLiteral("CheckBox6"), 376, 384, 97, 17);
    CheckBox6->setChecked(true);
}

void TMain::linkTabOrder()
{
    const QList<QWidget *> order = {
        ToolBar1,     ComboBox1,    ComboBox2,  ComboBox3,    SpinEdit1,    SpinEdit2,    Button1,
        Memo1,        ComboBox4,    SpinEdit3,  SpinEdit4,    ComboBox5,    SpinEdit5,    SpinEdit6,
        Button2,      CheckBox1,    ComboBox6,  CheckBox2,    Button4,      CheckBox4,    CheckBox5,
        CheckBox6,    SpinEdit7,    SpinEdit8,  SpinEdit9,    SpinEdit10,   SpinEdit11,   SpinEdit12,
        RadioButton1, RadioButton2, SpinEdit13, RadioButton3, ComboBox7,    SpinEdit14,   RadioGroup1,
        RadioGroup2,  RadioButton4, ComboBox8,  RadioButton5, RadioButton6, RadioButton7,
    };
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void TMain::bindHandlers()
{
    Button1->setOnClick([this](QObject *s) { Button1Click(s); });
    Button2->setOnClick([this](QObject *s) { Button2Click(s); });
    Button4->setOnClick([this](QObject *s) { Button4Click(s); });
    ComboBox1->setOnChange([this](QObject *s) { ComboBox1Change(s); });
    ComboBox2->setOnChange([this](QObject *s) { ComboBox3Change(s); });
    ComboBox3->setOnChange([this](QObject *s) { ComboBox3Change(s); });
    ComboBox4->setOnChange([this](QObject *s) { ComboBox4Change(s); });
    ComboBox5->setOnChange([this](QObject *s) { ComboBox5Change(s); });
    ComboBox6->setOnChange([this](QObject *s) { ComboBox5Change(s); });
    const Handler enabling = [this](QObject *s) { CheckBox2Click(s); };
    CheckBox2->setOnClick(enabling);
    RadioButton1->setOnClick(enabling);
    RadioButton2->setOnClick(enabling);
    RadioButton3->setOnClick(enabling);
    RadioButton4->setOnClick(enabling);
    ComboBox7->setOnChange(enabling);
    RadioGroup1->setOnClick([this](QObject *s) { RadioGroup1Click(s); });
    SpinEdit13->setOnChange([this](QObject *s) { SpinEdit13Change(s); });
    SpinEdit14->setOnChange([this](QObject *s) { SpinEdit14Change(s); });
    Memo1->setOnChange([this](QObject *s) { Memo1Change(s); });
}

void TMain::FormCreate()
{
    m_random->randomize();

    ComboBox1->clearItems();
    for (const QString &name : checkTypeNames())
        ComboBox1->addItem(name);
    ComboBox1->setItemIndex(0);

    m_ratingTable.load(m_ratingTableFile);
    // One fill for all labels, also for those before a line that fails:
    // adding 30,000 entries one by one would resynchronise the box each time.
    QStringList labels;
    const auto fill = qScopeGuard([&] { ComboBox4->setItems(labels); });
    for (qsizetype i = 0; i < m_ratingTable.count(); ++i)
        labels.append(m_ratingTable.label(i));

    SkillChoices.clear();
}

void TMain::FormClose()
{
    m_ratingTable = RatingTable();
    SkillChoices.clear();
}

void TMain::closeEvent(QCloseEvent *event)
{
    bool mayClose = true;
    if (m_onCloseQuery) {
        mayClose = false;
        guarded([this, &mayClose] { mayClose = m_onCloseQuery(); });
    }
    if (!mayClose) {
        event->ignore();
        return;
    }
    guarded([this] { FormClose(); });
    event->accept();
    // The main window's close ends the program, whatever else is open.
    QCoreApplication::quit();
}

void TMain::ViewAboutExecute(QObject *)
{
    if (AboutBox)
        AboutBox->exec();
}

void TMain::ViewStatesExecute(QObject *)
{
    if (F_States2)
        bringBack(F_States2);
}

void TMain::ViewEnemyExecute(QObject *)
{
    if (Enemy)
        bringBack(Enemy);
}

void TMain::ViewRatingExecute(QObject *)
{
    bringBack(madeRatingView());
}

QList<QAction *> TMain::sharedShortcuts() const
{
    return {FileOpen, FileSave, ViewStates, ViewEnemy, ViewRating};
}

QString TMain::RollRatingDice(qint32 criticalValue, bool criticalsOn)
{
    return ::rollRatingDice(*m_random, criticalValue, criticalsOn);
}
