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

#include "controls/handler.h"
#include "rules/checksetup.h"
#include "rules/checktypes.h"
#include "rules/random.h"
#include "rules/rating.h"

#include <QMainWindow>
#include <QStringList>

#include <array>
#include <memory>

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

    // Creation and closing.
    void FormCreate();
    void FormClose();

    // The commands.
    void Button1Click(QObject *sender);
    void Button2Click(QObject *sender);
    void Button4Click(QObject *sender);
    void ViewAboutExecute(QObject *sender);

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

    [[nodiscard]] const RatingTable &ratingTable() const noexcept { return m_ratingTable; }
    [[nodiscard]] RandomSource &random() noexcept { return *m_random; }

    // Data of its own.
    std::array<qint32, CheckTypeCount> SkillForCheck{};
    std::array<qint32, AbilityCount> AbilityBonus{};
    QStringList SkillChoices;

    // Menu, actions and tool bar.
    QMenu *Help1 = nullptr;
    QAction *ViewAbout = nullptr;
    QAction *About1 = nullptr;
    QToolBar *ToolBar1 = nullptr;

    // Column headers.
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;

    // Check row.
    QLabel *Label1 = nullptr;
    ChoiceBox *ComboBox1 = nullptr;
    ChoiceBox *ComboBox2 = nullptr;
    ChoiceBox *ComboBox3 = nullptr;
    SpinField *SpinEdit1 = nullptr;
    SpinField *SpinEdit2 = nullptr;
    Button *Button1 = nullptr;
    CheckBox *CheckBox2 = nullptr;

    // Power row.
    QLabel *Label6 = nullptr;
    ChoiceBox *ComboBox4 = nullptr;
    ChoiceBox *ComboBox6 = nullptr;
    ChoiceBox *ComboBox5 = nullptr;
    SpinField *SpinEdit5 = nullptr;
    SpinField *SpinEdit6 = nullptr;
    Button *Button2 = nullptr;
    CheckBox *CheckBox1 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr;
    SpinField *SpinEdit3 = nullptr;
    SpinField *SpinEdit4 = nullptr;

    // Character rows.
    QLabel *Label11 = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *Label10 = nullptr;
    SpinField *SpinEdit7 = nullptr;
    SpinField *SpinEdit8 = nullptr;
    QLabel *Label12 = nullptr;
    QLabel *Label13 = nullptr;
    SpinField *SpinEdit9 = nullptr;
    SpinField *SpinEdit10 = nullptr;
    SpinField *SpinEdit11 = nullptr;
    SpinField *SpinEdit12 = nullptr;

    // Target group.
    QGroupBox *GroupBox1 = nullptr;
    RadioButton *RadioButton1 = nullptr;
    RadioButton *RadioButton2 = nullptr;
    SpinField *SpinEdit13 = nullptr;
    SpinField *SpinEdit14 = nullptr;
    RadioButton *RadioButton3 = nullptr;
    ChoiceBox *ComboBox7 = nullptr;
    RadioButton *RadioButton4 = nullptr;
    ChoiceBox *ComboBox8 = nullptr;
    RadioGroup *RadioGroup1 = nullptr;
    RadioGroup *RadioGroup2 = nullptr;
    QGroupBox *GroupBox2 = nullptr;
    RadioButton *RadioButton5 = nullptr;
    RadioButton *RadioButton6 = nullptr;
    RadioButton *RadioButton7 = nullptr;

    // Log area.
    LogMemo *Memo1 = nullptr;
    Button *Button4 = nullptr;
    CheckBox *CheckBox4 = nullptr;
    CheckBox *CheckBox5 = nullptr;
    CheckBox *CheckBox6 = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createMenu();
    void createControls(QWidget *client);
    void bindHandlers();
    void linkTabOrder();

    // The dice work of the two commands.
    QString RollDice(int count, int sides);
    QString RollRatingDice(qint32 criticalValue, bool criticalsOn);

    std::unique_ptr<RandomSource> m_random;
    RatingTable m_ratingTable;
};
