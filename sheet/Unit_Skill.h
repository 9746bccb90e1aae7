#pragma once

// The skill dialog: shown modally by the statistics window to add or edit one
// skill row. Created once, hidden, and reused; its controls keep their values
// between showings. It reaches into no other window: the statistics window
// loads it before an edit and reads it after OK.

#include <QDialog>

class Button;
class ChoiceBox;
class EditField;
class QLabel;
class RadioGroup;
class SpinField;

class TSkillBox : public QDialog
{
    Q_OBJECT

public:
    explicit TSkillBox(QWidget *parent = nullptr);

    void STypeClick(QObject *sender);
    void OKButtonClick(QObject *sender);

    QLabel *L_SName = nullptr;      // "Skill Name"
    EditField *SName = nullptr;     // the skill's name; loaded and read by F_States2
    QLabel *L_Exp = nullptr;        // "Exp Type"
    ChoiceBox *Exp = nullptr;       // disabled; nothing reads it
    QLabel *L_Lv = nullptr;         // "Level"
    SpinField *Lv = nullptr;        // the skill's level, 0 to 99; loaded and read by F_States2
    RadioGroup *SType = nullptr;    // skill type; loaded and read by F_States2
    RadioGroup *DType = nullptr;    // dodge choice, enabled for a Warrior; loaded and read by F_States2
    Button *OKButton = nullptr;     // "OK"
    Button *CancelButton = nullptr; // "Cancel"
};
