#include "console/Unit_Main.h"
#include "controls/buttons.h"
#include "controls/choicebox.h"
#include "controls/logmemo.h"
#include "controls/radiogroup.h"
#include "controls/spinfield.h"
#include "roster/Unit_Enemy.h"
#include "sheet/Unit_Friend_States.h"
#include "shell/forms.h"
#include "support/appfixture.h"

#include <QHelpEvent>
#include <QLabel>
#include <QToolTip>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Writes skill rows straight into the statistics window's list, as the skill
// dialog stores them, and rebuilds what depends on them.
void setSkills(const QList<QStringList> &rows)
{
    F_States2->SkillList->clear();
    for (const QStringList &row : rows)
        F_States2->SkillList->addTopLevelItem(new QTreeWidgetItem(row));
    Main->SetSkillList();
}

// What a button's tool tip and accessible description say, when they agree.
QString oddsOn(const QWidget *button)
{
    if (button->toolTip() != button->accessibleDescription())
        return u"tool tip \"%1\", description \"%2\""_s.arg(button->toolTip(), button->accessibleDescription());
    return button->toolTip();
}

// The enabled state of every control that the enabling rules set.
QList<bool> enabledStates()
{
    return {Main->RadioButton5->isEnabled(), Main->RadioButton6->isEnabled(), Main->SpinEdit13->isEnabled(),
            Main->SpinEdit14->isEnabled(),   Main->ComboBox7->isEnabled(),    Main->ComboBox8->isEnabled(),
            Main->Button1->isEnabled()};
}

} // namespace

// The rules that keep the console's controls consistent: presets by check
// type, base values, enabling, opposition mode, the opposing pair, the log's
// scroll bar and Reset.
class TestConsoleRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_app = std::make_unique<AppFixture>(); }
    void cleanup() { m_app.reset(); }

    void generalCheckChangesNothing();
    void presetsByCheckType_data();
    void presetsByCheckType();
    void initiativeTargetsTheFastestEnemy_data();
    void initiativeTargetsTheFastestEnemy();
    void baseValueIsLevelPlusBonus_data();
    void baseValueIsLevelPlusBonus();
    void baseValueWaitsForTheNextSelection();
    void unreadableLevelStopsThePresets();
    void chainingWithoutARatingDisablesDiceRoll();
    void oneEnemyWithoutAChoiceDisablesDiceRoll();
    void presetsWithoutARadioChangeRunNoRules();
    void opposingPairStaysSevenApart();
    void oppositionModeShowsItsFields();
    void scrollBarFromTheNinthRow();
    void resetRestoresWhatIsChecked();
    void resetWithNothingCheckedDoesNothing();
    void oddsFollowTheSetup();

private:
    std::unique_ptr<AppFixture> m_app;
};

void TestConsoleRules::generalCheckChangesNothing()
{
    const QList<bool> enabled = enabledStates();
    pickEntry(Main->ComboBox1, 0);
    QCOMPARE(Main->ComboBox1->itemIndex(), 0);
    QCOMPARE(Main->ComboBox2->itemIndex(), -1);
    QCOMPARE(Main->ComboBox3->itemIndex(), -1);
    QCOMPARE(Main->SpinEdit1->text(), QStringLiteral("0"));
    QVERIFY(!Main->CheckBox2->isChecked());
    QVERIFY(Main->RadioButton1->isChecked());
    QCOMPARE(enabledStates(), enabled);
}

void TestConsoleRules::presetsByCheckType_data()
{
    QTest::addColumn<int>("checkType");
    QTest::addColumn<int>("skill");
    QTest::addColumn<int>("ability");
    QTest::addColumn<bool>("chain");
    QTest::addColumn<int>("targetMode");
    QTest::addColumn<bool>("hpTarget");
    // Skills: Warrior 5 that may dodge (row 0), Magician 3 (row 1).
    QTest::newRow("hit") << 1 << 2 << 0 << true << 3 << false;
    QTest::newRow("dodge") << 2 << 2 << 1 << false << 4 << true;
    QTest::newRow("magic") << 3 << 3 << 4 << false << 1 << false;
    QTest::newRow("initiative") << 4 << 0 << 1 << false << 2 << false;
}

void TestConsoleRules::presetsByCheckType()
{
    QFETCH(int, checkType);
    QFETCH(int, skill);
    QFETCH(int, ability);
    QFETCH(bool, chain);
    QFETCH(int, targetMode);
    QFETCH(bool, hpTarget);
    setSkills({{QStringLiteral("Fighter"), QStringLiteral("5"), QStringLiteral("0"), QStringLiteral("1")},
               {QStringLiteral("Sorcerer"), QStringLiteral("3"), QStringLiteral("1"), QStringLiteral("0")}});
    pickEntry(Main->ComboBox1, checkType);

    QCOMPARE(Main->ComboBox2->itemIndex(), skill);
    QCOMPARE(Main->ComboBox3->itemIndex(), ability);
    const qint32 level = skill == 0 ? 0 : skill == 1 ? 5 : skill == 2 ? 5 : 3;
    // Every ability is 14 (bonus 2), counted only with a level above 0.
    QCOMPARE(Main->SpinEdit1->value(), level > 0 ? level + 2 : 0);
    QCOMPARE(Main->CheckBox2->isChecked(), chain);
    RadioButton *modes[] = {Main->RadioButton1, Main->RadioButton2, Main->RadioButton3, Main->RadioButton4};
    QVERIFY(modes[targetMode - 1]->isChecked());
    QCOMPARE(Main->RadioButton6->isChecked(), hpTarget);
}

void TestConsoleRules::initiativeTargetsTheFastestEnemy_data()
{
    QTest::addColumn<QList<int>>("initiatives");
    QTest::addColumn<QString>("fixed");
    QTest::addColumn<QString>("modifier");
    QTest::newRow("9 and 11") << QList<int>{9, 11} << "11"
                              << "4";
}

void TestConsoleRules::initiativeTargetsTheFastestEnemy()
{
    QFETCH(QList<int>, initiatives);
    QFETCH(QString, fixed);
    QFETCH(QString, modifier);
    QTest::mouseClick(Enemy->Party_add, Qt::LeftButton);
    for (int r = 0; r < initiatives.size(); ++r)
        typeInto(Enemy->Initiative[r], QString::number(initiatives[r]));
    pickEntry(Main->ComboBox1, 4);
    QVERIFY(Main->RadioButton2->isChecked());
    QCOMPARE(Main->SpinEdit14->text(), fixed);
    QCOMPARE(Main->SpinEdit13->text(), modifier);
    QVERIFY(Main->SpinEdit13->isEnabled());
    QVERIFY(Main->SpinEdit14->isEnabled());
}

void TestConsoleRules::baseValueIsLevelPlusBonus_data()
{
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("dexterity");
    QTest::addColumn<int>("skill");
    QTest::addColumn<int>("ability");
    QTest::addColumn<QString>("base");
    QTest::newRow("adventurer level with dexterity") << "3"
                                                     << "14" << 1 << 0 << "5";
    QTest::newRow("a skill's own level") << "3"
                                         << "20" << 2 << 0 << "6";
}

void TestConsoleRules::baseValueIsLevelPlusBonus()
{
    QFETCH(QString, level);
    QFETCH(QString, dexterity);
    QFETCH(int, skill);
    QFETCH(int, ability);
    QFETCH(QString, base);
    typeInto(F_States2->Dex, dexterity);
    setSkills({{QStringLiteral("Scout"), level, QStringLiteral("2"), QStringLiteral("0")}});
    QCOMPARE(F_States2->AdvLv->text(), level);
    if (ability >= 0)
        pickEntry(Main->ComboBox3, ability);
    pickEntry(Main->ComboBox2, skill);
    QCOMPARE(Main->SpinEdit1->text(), base);

    // The power row takes the same value from its own boxes.
    if (ability >= 0)
        pickEntry(Main->ComboBox5, ability);
    pickEntry(Main->ComboBox6, skill);
    QCOMPARE(Main->SpinEdit5->text(), base);
}

void TestConsoleRules::baseValueWaitsForTheNextSelection()
{
    setSkills({{QStringLiteral("Fighter"), QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("1")}});
    pickEntry(Main->ComboBox1, 1);
    QCOMPARE(Main->SpinEdit1->text(), QStringLiteral("4"));
    typeInto(F_States2->Dex, QStringLiteral("30"));
    QCOMPARE(Main->SpinEdit1->text(), QStringLiteral("4"));
    pickEntry(Main->ComboBox3, 0);
    QCOMPARE(Main->SpinEdit1->text(), QStringLiteral("7"));
}

void TestConsoleRules::unreadableLevelStopsThePresets()
{
    setSkills({{QStringLiteral("Fighter"), QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("1")}});
    typeInto(Main->SpinEdit1, QStringLiteral("9"));
    F_States2->SkillList->topLevelItem(0)->setText(1, QStringLiteral("x"));
    pickEntry(Main->ComboBox1, 1);
    QCOMPARE(m_app->errorTexts(), QStringList{QStringLiteral("'x' は整数ではありません.")});
    QCOMPARE(Main->SpinEdit1->text(), QStringLiteral("9"));
    QVERIFY(!Main->CheckBox2->isChecked());
    QVERIFY(Main->RadioButton1->isChecked());
}

void TestConsoleRules::chainingWithoutARatingDisablesDiceRoll()
{
    clickOn(Main->CheckBox2);
    QVERIFY(!Main->Button1->isEnabled());
    QVERIFY(Main->RadioButton5->isEnabled());
    QVERIFY(Main->RadioButton6->isEnabled());
    pickEntry(Main->ComboBox4, 0);
    QVERIFY(Main->Button2->isEnabled());
    QVERIFY(Main->Button1->isEnabled());
    clickOn(Main->CheckBox2);
    QVERIFY(!Main->RadioButton5->isEnabled());
    QVERIFY(!Main->RadioButton7->isEnabled());
}

void TestConsoleRules::oneEnemyWithoutAChoiceDisablesDiceRoll()
{
    clickOn(Main->RadioButton3);
    QVERIFY(Main->ComboBox7->isEnabled());
    QVERIFY(!Main->Button1->isEnabled());
    pickEntry(Main->ComboBox7, 0);
    QVERIFY(Main->Button1->isEnabled());
    clickOn(Main->RadioButton4);
    QVERIFY(!Main->ComboBox7->isEnabled());
    QVERIFY(Main->ComboBox8->isEnabled());
    clickOn(Main->RadioButton2);
    QVERIFY(!Main->ComboBox8->isEnabled());
    QVERIFY(Main->SpinEdit13->isEnabled());
}

void TestConsoleRules::presetsWithoutARadioChangeRunNoRules()
{
    pickEntry(Main->ComboBox1, 2);
    QVERIFY(Main->RadioButton5->isEnabled());
    pickEntry(Main->ComboBox1, 3);
    // Magic leaves the chaining box unchecked and touches no radio button, so
    // the power target stays as the dodge left it until the next rule runs.
    QVERIFY(!Main->CheckBox2->isChecked());
    QVERIFY(Main->RadioButton4->isChecked());
    QVERIFY(Main->RadioButton5->isEnabled());
    QVERIFY(Main->RadioButton6->isEnabled());
    clickOn(Main->RadioButton1);
    QVERIFY(!Main->RadioButton5->isEnabled());
}

void TestConsoleRules::opposingPairStaysSevenApart()
{
    clickOn(Main->RadioButton2);
    Main->RadioGroup1->setItemIndex(0);
    typeInto(Main->SpinEdit13, QStringLiteral("3"));
    QCOMPARE(Main->SpinEdit14->text(), QStringLiteral("10"));
    Main->RadioGroup1->setItemIndex(1);
    typeInto(Main->SpinEdit14, QStringLiteral("12"));
    QCOMPARE(Main->SpinEdit13->text(), QStringLiteral("5"));

    // A lone minus reads as 0: the partner becomes 7, which writes "0" back.
    Main->SpinEdit13->editor()->selectAll();
    QTest::keyClicks(Main->SpinEdit13->editor(), QStringLiteral("-"));
    QCOMPARE(Main->SpinEdit14->text(), QStringLiteral("7"));
    QCOMPARE(Main->SpinEdit13->text(), QStringLiteral("0"));
    // Once the partner already shows 7, the minus stays.
    Main->SpinEdit13->editor()->selectAll();
    QTest::keyClicks(Main->SpinEdit13->editor(), QStringLiteral("-"));
    QCOMPARE(Main->SpinEdit13->text(), QStringLiteral("-"));
    QCOMPARE(Main->SpinEdit14->text(), QStringLiteral("7"));
}

void TestConsoleRules::oppositionModeShowsItsFields()
{
    QTest::mouseClick(Enemy->Party_add, Qt::LeftButton);
    clickOn(Main->RadioGroup1->item(0));
    QCOMPARE(Main->RadioGroup1->itemIndex(), 0);
    QVERIFY(Main->RadioGroup2->isEnabled());
    QVERIFY(Main->SpinEdit14->isHidden());
    QVERIFY(!Main->SpinEdit13->isHidden());
    for (int r = 0; r < 2; ++r) {
        QVERIFY(Enemy->Hit_fix[r]->isHidden());
        QVERIFY(Enemy->Ddg_fix[r]->isHidden());
    }
    QTest::mouseClick(Enemy->Party_add, Qt::LeftButton); // a new row follows the mode
    QVERIFY(Enemy->Hit_fix[2]->isHidden());

    clickOn(Main->RadioGroup1->item(1));
    QVERIFY(!Main->RadioGroup2->isEnabled());
    QVERIFY(!Main->SpinEdit14->isHidden());
    for (int r = 0; r < 3; ++r) {
        QVERIFY(!Enemy->Hit_fix[r]->isHidden());
        QVERIFY(!Enemy->Ddg_fix[r]->isHidden());
    }
}

void TestConsoleRules::scrollBarFromTheNinthRow()
{
    const auto scrollBar = [] { return Main->Memo1->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn; };
    m_app->dice().push(QList<int>(2 * 9, 3));
    for (int i = 0; i < 8; ++i)
        QTest::mouseClick(Main->Button1, Qt::LeftButton);
    QCOMPARE(Main->Memo1->lineCount(), 8);
    QVERIFY(!scrollBar());
    QTest::mouseClick(Main->Button1, Qt::LeftButton);
    QVERIFY(scrollBar());

    clickOn(Main->CheckBox5);
    clickOn(Main->CheckBox6);
    QTest::mouseClick(Main->Button4, Qt::LeftButton);
    QVERIFY(Main->Memo1->lines().isEmpty());
    QVERIFY(scrollBar()); // clearing runs no rule
    m_app->dice().push({3, 3});
    QTest::mouseClick(Main->Button1, Qt::LeftButton);
    QVERIFY(!scrollBar());

    // Wrapped rows count: a few long lines fill the log as well.
    const QString longLine = QStringLiteral("F-Atk: ( 2D6 = 4, 2 ) -> 6 + 6 = 12 *** Success *** ").repeated(4);
    for (int i = 0; i < 3; ++i)
        Main->Memo1->appendLine(longLine);
    QVERIFY(Main->Memo1->lineCount() > 8);
    QVERIFY(scrollBar());

    // So does what the user types into the log.
    Main->Memo1->clearLines();
    QTest::keyClicks(Main->Memo1, QStringLiteral("note"));
    QVERIFY(!scrollBar());
}

void TestConsoleRules::resetRestoresWhatIsChecked()
{
    QTest::mouseClick(Enemy->Party_add, Qt::LeftButton);
    typeInto(F_States2->Vit, QStringLiteral("20"));
    typeInto(F_States2->Wil, QStringLiteral("8"));
    typeInto(Main->SpinEdit7, QStringLiteral("3"));
    typeInto(Main->SpinEdit8, QStringLiteral("1"));
    typeInto(Enemy->Piece[1], QStringLiteral("2"));
    for (int r = 0; r < 2; ++r) {
        typeInto(Enemy->HP_pst[r], QStringLiteral("1"));
        typeInto(Enemy->MP_pst[r], QStringLiteral("1"));
    }
    Main->Memo1->appendLine(QStringLiteral("kept"));

    // Only MP: the enemies' present HP come back with their MP.
    clickOn(Main->CheckBox4);
    clickOn(Main->CheckBox5);
    QTest::mouseClick(Main->Button4, Qt::LeftButton);
    QCOMPARE(Main->Memo1->lines(), QStringList{QStringLiteral("kept")});
    QCOMPARE(Main->SpinEdit7->text(), QStringLiteral("3"));
    QCOMPARE(Main->SpinEdit8->text(), QStringLiteral("8"));
    QCOMPARE(Enemy->HP_pst[0]->text(), QStringLiteral("10"));
    QCOMPARE(Enemy->MP_pst[0]->text(), QStringLiteral("10"));
    QCOMPARE(Enemy->HP_pst[1]->text(), QStringLiteral("20"));
    QCOMPARE(Enemy->MP_pst[1]->text(), QStringLiteral("12"));

    clickOn(Main->CheckBox5);
    QTest::mouseClick(Main->Button4, Qt::LeftButton);
    QCOMPARE(Main->SpinEdit7->text(), QStringLiteral("20"));
}

void TestConsoleRules::resetWithNothingCheckedDoesNothing()
{
    typeInto(Main->SpinEdit7, QStringLiteral("3"));
    Main->Memo1->appendLine(QStringLiteral("kept"));
    clickOn(Main->CheckBox4);
    clickOn(Main->CheckBox5);
    clickOn(Main->CheckBox6);
    QTest::mouseClick(Main->Button4, Qt::LeftButton);
    QCOMPARE(Main->Memo1->lines(), QStringList{QStringLiteral("kept")});
    QCOMPARE(Main->SpinEdit7->text(), QStringLiteral("3"));
    QCOMPARE(Main->SpinEdit8->text(), QStringLiteral("14"));
}

void TestConsoleRules::oddsFollowTheSetup()
{
    clickOn(Main->RadioButton3);
    QCOMPARE(oddsOn(Main->Button1), u"対象の敵が選ばれていません"_s);
    QCOMPARE(oddsOn(Main->Button2), u"威力が選ばれていません"_s);

    // The hit check of the worked example, then against a better dodge.
    pickEntry(Main->ComboBox1, 1);
    pickEntry(Main->ComboBox7, 0);
    typeInto(Main->SpinEdit1, u"5"_s);
    typeInto(Main->SpinEdit2, u"1"_s);
    typeInto(Enemy->Ddg_mod[0], u"3"_s);
    QCOMPARE(oddsOn(Main->Button1), u"Name 1: 成功 83.3%\n威力が選ばれていません"_s);
    pickEntry(Main->ComboBox4, 0); // Blade
    QCOMPARE(oddsOn(Main->Button2), u"期待値 7.2、クリティカル 16.7%"_s);
    QCOMPARE(oddsOn(Main->Button1), u"Name 1: 成功 83.3%、威力期待値 6.0"_s);
    typeInto(Enemy->Ddg_mod[0], u"4"_s);
    QCOMPARE(oddsOn(Main->Button1), u"Name 1: 成功 72.2%、威力期待値 5.2"_s);

    // The dodge of the worked example; with no target, only a natural 2
    // lets the chosen enemy's blow through.
    pickEntry(Main->ComboBox1, 2);
    typeInto(Main->SpinEdit1, u"5"_s);
    typeInto(Main->SpinEdit2, u"0"_s);
    typeInto(Enemy->Hit_mod[0], u"4"_s);
    typeInto(Enemy->Dmg_mod[0], u"3"_s);
    typeInto(Main->SpinEdit9, u"3"_s);
    QCOMPARE(oddsOn(Main->Button1), u"Name 1: 回避 72.2%、被ダメージ期待値 1.9"_s);
    clickOn(Main->RadioButton1);
    QCOMPARE(oddsOn(Main->Button1), u"自動失敗 2.8%、被ダメージ期待値 0.2"_s);

    // Twelve targets are shown, and how many more there are.
    clickOn(Main->RadioButton4);
    while (Enemy->RowCount < 14)
        QTest::mouseClick(Enemy->Party_add, Qt::LeftButton);
    const QStringList lines = oddsOn(Main->Button1).split(u'\n');
    QCOMPARE(lines.at(11), u"Name 12: 回避 97.2%、被ダメージ期待値 0.1"_s);
    QCOMPARE(lines.at(12), u"ほか 2 体"_s);

    // A change that no user made shows once the tool tip is asked for.
    Enemy->Hit_mod[0]->setValue(-20);
    QVERIFY(oddsOn(Main->Button1).startsWith(u"Name 1: 回避 72.2%"_s));
    QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), Main->Button1->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(Main->Button1, &hover);
    QToolTip::hideText();
    QCOMPARE(oddsOn(Main->Button1).section(u'\n', 0, 0), u"Name 1: 回避 97.2%、被ダメージ期待値 0.2"_s);
}

QTEST_MAIN(TestConsoleRules)
#include "tst_consolerules.moc"
