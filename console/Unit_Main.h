#pragma once

// The main window, the combat console. It owns every control with which a
// check or a power roll is set up and started, the character's present HP
// and MP with the protections, the target group, and the log. Besides its
// controls it holds SkillForCheck, AbilityBonus, SkillChoices and the rating
// table.
//
// It reaches into the statistics window (levels, skill rows, maxima) and the
// enemy window (rows, their modifiers and fixed fields); both of them write
// back into it: AbilityBonus, SetSkillList and the target list ComboBox7.
// The rating table window, which its View menu makes when first asked for,
// reads its rating and power controls.

#include "controls/handler.h"
#include "rules/checkresolution.h"
#include "rules/checksetup.h"
#include "rules/checktypes.h"
#include "rules/random.h"
#include "rules/rating.h"

#include <QMainWindow>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class Button;
class CheckBox;
class ChoiceBox;
class LogMemo;
class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QToolBar;
class RadioButton;
class RadioGroup;
class SpinField;

class TMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit TMain(std::unique_ptr<RandomSource> random, QWidget *parent = nullptr);
    ~TMain() override;

    // The file FormCreate reads the rating table from, RatingTable.txt in the
    // working folder unless set before.
    void setRatingTableFile(const QString &fileName) { m_ratingTableFile = fileName; }

    // Creation and closing.
    void FormCreate();
    void FormClose();
    // Asked before the window closes, guarded; false, or an error, keeps it
    // open.
    using CloseQuery = std::function<bool()>;
    void setOnCloseQuery(CloseQuery query) { m_onCloseQuery = std::move(query); }

    // The commands.
    void Button1Click(QObject *sender);
    // Gives what it wrote and totalled, none when no rating is chosen.
    std::optional<RatingRoll> Button2Click(QObject *sender);
    void Button4Click(QObject *sender);
    void ViewAboutExecute(QObject *sender);
    void ViewStatesExecute(QObject *sender);
    void ViewEnemyExecute(QObject *sender);
    void ViewRatingExecute(QObject *sender);
    // The menu's commands whose shortcuts work in the other windows too.
    [[nodiscard]] QList<QAction *> sharedShortcuts() const;

    // The state rules of the console.
    void ComboBox1Change(QObject *sender);
    void ComboBox3Change(QObject *sender);
    void ComboBox4Change(QObject *sender);
    void ComboBox5Change(QObject *sender);
    void CheckBox2Click(QObject *sender);
    void RadioGroup1Click(QObject *sender);
    void SpinEdit13Change(QObject *sender);
    void SpinEdit14Change(QObject *sender);
    void Memo1Change(QObject *sender);

    // Rebuilds everything derived from the statistics window's skill rows.
    void SetSkillList();

    // Skill level plus ability bonus for a skill box and an ability box.
    [[nodiscard]] qint32 CheckBaseValue(const ChoiceBox *skillBox, const ChoiceBox *abilityBox) const;

    // The target mode the checked radio button of the target group stands
    // for, and the radio button that stands for a mode.
    [[nodiscard]] TargetMode targetMode() const;
    [[nodiscard]] RadioButton *targetModeButton(TargetMode mode) const;

    // What Dice Roll reads once per click, none without a check type; what it
    // works through; what it reads for index i of that; and what Rating Roll
    // reads besides the rating. The commands and their odds read the
    // controls through these alone.
    [[nodiscard]] std::optional<DiceRollSetup> diceRollSetup() const;
    [[nodiscard]] DiceRollPlan diceRollPlan(const std::optional<DiceRollSetup> &setup) const;
    [[nodiscard]] TargetInputs targetInputs(qint32 i) const;
    [[nodiscard]] RatingRollSetup ratingRollSetup() const;

    // The odds of Dice Roll and Rating Roll as the setup stands, as their
    // tool tips and accessible descriptions show them.
    [[nodiscard]] QString diceRollOdds() const;
    [[nodiscard]] QString ratingRollOdds() const;
    // Brings both buttons' tool tips and descriptions up to date. Runs after
    // every entry of the user and before a button shows its tool tip.
    void showOdds() noexcept;

    [[nodiscard]] const RatingTable &ratingTable() const noexcept { return m_ratingTable; }
    [[nodiscard]] RandomSource &random() noexcept { return *m_random; }

    // Data of its own.
    std::array<qint32, CheckTypeCount> SkillForCheck{}; // ComboBox2 choice per check type; by SetSkillList
    std::array<qint32, AbilityCount> AbilityBonus{};    // bonus per ability; written by F_States2
    QStringList SkillChoices;                           // copied into ComboBox2 and ComboBox6 by SetSkillList

    // Menu, actions and tool bar.
    QMenu *File1 = nullptr;                  // "ファイル(&F)": the session file and the log
    QAction *FileOpen = nullptr;             // "開く(&O)...", Ctrl+O; run by the session file in use
    QAction *FileSave = nullptr;             // "上書き保存(&S)", Ctrl+S; run by the session file in use
    QAction *FileSaveAs = nullptr;           // "名前を付けて保存(&A)..."; run by the session file in use
    QAction *FileSaveLog = nullptr;          // "ログを保存(&L)...": the log's own save command
    QAction *FileExit = nullptr;             // "終了(&X)": closes this window as its frame does
    QMenu *View1 = nullptr;                  // "表示(&V)": brings the other windows back
    QAction *ViewStates = nullptr;           // "States", Ctrl+1: shows F_States2
    QAction *ViewEnemy = nullptr;            // "Enemy", Ctrl+2: shows Enemy
    QAction *ViewRating = nullptr;           // "威力表(&R)", Ctrl+3: shows RatingView, made the first time
    QMenu *Battle1 = nullptr;                // "戦闘(&B)": the fight's books (fightbooks.h)
    QAction *BattleApplyDamage = nullptr;    // checkable, off: a hit's rating roll costs the enemy HP
    QAction *BattleRemoveDefeated = nullptr; // "倒れた敵を外す(&R)"
    QAction *BattleNewFight = nullptr;       // "新しい戦闘(&N)...": the roster as at start
    QMenu *Help1 = nullptr;                  // "&Help"
    QAction *ViewAbout = nullptr;            // "&About": shows AboutBox
    QAction *About1 = nullptr;               // the menu entry of ViewAbout
    QToolBar *ToolBar1 = nullptr;            // empty

    // Column headers.
    QLabel *Label2 = nullptr; // "使用スキル": skill used
    QLabel *Label3 = nullptr; // "能力値": ability
    QLabel *Label4 = nullptr; // "補正合計": modifier total
    QLabel *Label5 = nullptr; // "一時補正": temporary modifier

    // Check row.
    QLabel *Label1 = nullptr;       // "判定"
    ChoiceBox *ComboBox1 = nullptr; // check type
    ChoiceBox *ComboBox2 = nullptr; // check's skill choice
    ChoiceBox *ComboBox3 = nullptr; // check's ability
    SpinField *SpinEdit1 = nullptr; // check's base value: skill level plus ability bonus
    SpinField *SpinEdit2 = nullptr; // check's temporary modifier
    Button *Button1 = nullptr;      // "Dice Roll"
    CheckBox *CheckBox2 = nullptr;  // chain the rating roll after a check that did not fail

    // Power row.
    QLabel *Label6 = nullptr;       // "威力"
    ChoiceBox *ComboBox4 = nullptr; // rating: the labels of the rating table
    ChoiceBox *ComboBox6 = nullptr; // power's skill choice
    ChoiceBox *ComboBox5 = nullptr; // power's ability
    SpinField *SpinEdit5 = nullptr; // power's base modifier
    SpinField *SpinEdit6 = nullptr; // power's temporary modifier
    Button *Button2 = nullptr;      // "Rating Roll"; enabled while a rating is chosen
    CheckBox *CheckBox1 = nullptr;  // criticals on
    QLabel *Label7 = nullptr;       // "C値基本"
    QLabel *Label8 = nullptr;       // "C値補正"
    SpinField *SpinEdit3 = nullptr; // critical value base, 8 to 99
    SpinField *SpinEdit4 = nullptr; // critical value modifier

    // Character rows.
    QLabel *Label11 = nullptr;       // "現在値": present value
    QLabel *Label9 = nullptr;        // "HP"
    QLabel *Label10 = nullptr;       // "MP"
    SpinField *SpinEdit7 = nullptr;  // present HP; a failed dodge lowers it, Reset restores it
    SpinField *SpinEdit8 = nullptr;  // present MP
    QLabel *Label12 = nullptr;       // "物理防護"
    QLabel *Label13 = nullptr;       // "魔法防護"
    SpinField *SpinEdit9 = nullptr;  // physical protection
    SpinField *SpinEdit10 = nullptr; // physical protection's temporary modifier
    SpinField *SpinEdit11 = nullptr; // magic protection
    SpinField *SpinEdit12 = nullptr; // magic protection's temporary modifier

    // Target group.
    QGroupBox *GroupBox1 = nullptr;      // "目標値": the target group
    RadioButton *RadioButton1 = nullptr; // target mode none
    RadioButton *RadioButton2 = nullptr; // target mode number
    SpinField *SpinEdit13 = nullptr;     // opposing modifier (shown in random mode)
    SpinField *SpinEdit14 = nullptr;     // opposing fixed value, SpinEdit13 + 7 (shown in fixed mode)
    RadioButton *RadioButton3 = nullptr; // target mode one enemy
    ChoiceBox *ComboBox7 = nullptr;      // enemy to check against; items kept equal to the row names by Enemy
    RadioButton *RadioButton4 = nullptr; // target mode all enemies
    ChoiceBox *ComboBox8 = nullptr;      // "敵のみ"; nothing reads it
    RadioGroup *RadioGroup1 = nullptr;   // opposition mode, random or fixed; read by Enemy when it adds a row
    RadioGroup *RadioGroup2 = nullptr;   // disclosure of the dice; nothing reads it
    QGroupBox *GroupBox2 = nullptr;      // "威力の対象": what a failed dodge costs
    RadioButton *RadioButton5 = nullptr; // power target none
    RadioButton *RadioButton6 = nullptr; // power target HP
    RadioButton *RadioButton7 = nullptr; // power target MP; never enabled

    // Log area.
    LogMemo *Memo1 = nullptr;      // the log: one line per roll
    Button *Button4 = nullptr;     // "Reset"
    CheckBox *CheckBox4 = nullptr; // Reset clears the log
    CheckBox *CheckBox5 = nullptr; // Reset restores HP
    CheckBox *CheckBox6 = nullptr; // Reset restores MP

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createMenu();
    void createControls(QWidget *client);
    void bindHandlers();
    // Keeps the odds current from the first pass of the event loop on.
    void watchOdds();
    void linkTabOrder();

    // The dice work of the rating roll; the check's is in rollCheck() and
    // rollDamage().
    QString RollRatingDice(qint32 criticalValue, bool criticalsOn);

    std::unique_ptr<RandomSource> m_random;
    RatingTable m_ratingTable;
    QString m_ratingTableFile = RatingTableName;
    CloseQuery m_onCloseQuery;
};
