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
    // Replaces every skill row and rebuilds what the main window derives
    // from them, as an accepted add does.
    void replaceSkillRows(const QList<SkillRow> &rows);

    QLabel *L_Bonus = nullptr; // "Bonus"

    // Abilities, in ability index order.
    QLabel *L_Dex = nullptr; // "器"
    QLabel *L_Qck = nullptr; // "敏"
    QLabel *L_Mus = nullptr; // "筋"
    QLabel *L_Vit = nullptr; // "生"
    QLabel *L_Itl = nullptr; // "知"
    QLabel *L_Wil = nullptr; // "精"

    SpinField *Dex = nullptr; // dexterity
    SpinField *Qck = nullptr; // agility
    SpinField *Mus = nullptr; // strength
    SpinField *Vit = nullptr; // vitality; Main reruns VitChange after a skill rebuild
    SpinField *Itl = nullptr; // intelligence
    SpinField *Wil = nullptr; // spirit; Main reruns WilChange after a skill rebuild

    QFrame *B_b_Dex = nullptr; // frame of the dexterity bonus
    QFrame *B_b_Qck = nullptr; // frame of the agility bonus
    QFrame *B_b_Mus = nullptr; // frame of the strength bonus
    QFrame *B_b_Vit = nullptr; // frame of the vitality bonus
    QFrame *B_b_Itl = nullptr; // frame of the intelligence bonus
    QFrame *B_b_Wil = nullptr; // frame of the spirit bonus

    QLabel *L_b_Dex = nullptr; // dexterity bonus
    QLabel *L_b_Qck = nullptr; // agility bonus
    QLabel *L_b_Mus = nullptr; // strength bonus
    QLabel *L_b_Vit = nullptr; // vitality bonus
    QLabel *L_b_Itl = nullptr; // intelligence bonus
    QLabel *L_b_Wil = nullptr; // spirit bonus

    // Maxima and resistances.
    QLabel *L_Max = nullptr;     // "Max"
    QLabel *L_Resist = nullptr;  // "Resist"
    QLabel *L_HP = nullptr;      // "HP"
    QLabel *L_MP = nullptr;      // "MP"
    SpinField *HP_max = nullptr; // maximum HP; read by Main's Reset
    SpinField *MP_max = nullptr; // maximum MP; read by Main's Reset
    QFrame *B_ResPhy = nullptr;  // frame of the vitality resistance
    QFrame *B_ResPsi = nullptr;  // frame of the spirit resistance
    QLabel *ResPhy = nullptr;    // vitality resistance
    QLabel *ResPsi = nullptr;    // spirit resistance

    // Levels, written only by the skill rebuild.
    QLabel *L_AdvLv = nullptr; // "冒険者レベル"
    QFrame *B_AdvLv = nullptr; // frame of the adventurer level
    QLabel *AdvLv = nullptr;   // adventurer level; written by Main's SetSkillList, read by its base values
    QLabel *MagLv = nullptr;   // magic level, never shown; written by Main's SetSkillList

    QTreeWidget *SkillList = nullptr; // the skills, one row each; read by Main
    QMenu *SkillMenu = nullptr;       // the skill list's pop-up menu
    QAction *Edit_Skill = nullptr;    // "Edit Skill": the selected row in SkillBox
    QAction *Add_Skill = nullptr;     // "Add Skill": a new row from SkillBox
    Button *Button1 = nullptr;        // "OK"; does nothing

private:
    void createControls();
    void setTabOrder();
    void bindHandlers();

    void updateBonus(int ability, const SpinField *field, QLabel *bonusLabel);
    // Writes the dialog's present values into a skill row.
    static void storeSkill(QTreeWidgetItem *row);
    static void writeSkillRow(QTreeWidgetItem *row, const SkillRow &texts);
};
