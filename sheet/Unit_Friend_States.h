#pragma once

// The statistics window: the sheet of the one friendly character. It owns the
// six abilities with their bonuses, the adventurer and magic levels, the
// maximum HP and MP, the two resistances and the skill list with its pop-up
// menu. It writes the bonuses into the main window's AbilityBonus, loads and
// reads the skill dialog, and calls the main window's SetSkillList after every
// accepted skill add or edit.

#include "controls/handler.h"
#include "rules/skilllevels.h"

#include <QWidget>

class Button;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QTreeWidget;
class QTreeWidgetItem;
class SpinField;

class TF_States2 : public QWidget
{
    Q_OBJECT

public:
    explicit TF_States2(QWidget *parent = nullptr);

    void FormCreate();

    void DexChange(QObject *sender);
    void QckChange(QObject *sender);
    void MusChange(QObject *sender);
    void VitChange(QObject *sender);
    void ItlChange(QObject *sender);
    void WilChange(QObject *sender);

    void SkillMenuPopup(QObject *sender);
    void Add_SkillExecute(QObject *sender);
    void Edit_SkillExecute(QObject *sender);

    // The columns of a skill row.
    enum SkillColumn { NameColumn = 0, LevelColumn = 1, TypeColumn = 2, DodgeColumn = 3 };

    // The texts of skill row `index`; a row that does not exist raises the
    // list index error.
    [[nodiscard]] SkillRow skillRow(int index) const;
    [[nodiscard]] int skillCount() const;

    QLabel *L_Bonus = nullptr;

    // Abilities, in ability index order.
    QLabel *L_Dex = nullptr;
    QLabel *L_Qck = nullptr;
    QLabel *L_Mus = nullptr;
    QLabel *L_Vit = nullptr;
    QLabel *L_Itl = nullptr;
    QLabel *L_Wil = nullptr;

    SpinField *Dex = nullptr;
    SpinField *Qck = nullptr;
    SpinField *Mus = nullptr;
    SpinField *Vit = nullptr;
    SpinField *Itl = nullptr;
    SpinField *Wil = nullptr;

    QFrame *B_b_Dex = nullptr;
    QFrame *B_b_Qck = nullptr;
    QFrame *B_b_Mus = nullptr;
    QFrame *B_b_Vit = nullptr;
    QFrame *B_b_Itl = nullptr;
    QFrame *B_b_Wil = nullptr;

    QLabel *L_b_Dex = nullptr;
    QLabel *L_b_Qck = nullptr;
    QLabel *L_b_Mus = nullptr;
    QLabel *L_b_Vit = nullptr;
    QLabel *L_b_Itl = nullptr;
    QLabel *L_b_Wil = nullptr;

    // Maxima and resistances.
    QLabel *L_Max = nullptr;
    QLabel *L_Resist = nullptr;
    QLabel *L_HP = nullptr;
    QLabel *L_MP = nullptr;
    SpinField *HP_max = nullptr;
    SpinField *MP_max = nullptr;
    QFrame *B_ResPhy = nullptr;
    QFrame *B_ResPsi = nullptr;
    QLabel *ResPhy = nullptr;
    QLabel *ResPsi = nullptr;

    // Levels, written only by the skill rebuild.
    QLabel *L_AdvLv = nullptr;
    QFrame *B_AdvLv = nullptr;
    QLabel *AdvLv = nullptr;
    QLabel *MagLv = nullptr;

    QTreeWidget *SkillList = nullptr;
    QMenu *SkillMenu = nullptr;
    QAction *Edit_Skill = nullptr;
    QAction *Add_Skill = nullptr;
    Button *Button1 = nullptr;

private:
    void createControls();
    void setTabOrder();
    void bindHandlers();

    void updateBonus(int ability, const SpinField *field, QLabel *bonusLabel);
    // Writes the dialog's present values into a skill row.
    static void storeSkill(QTreeWidgetItem *row);
};
