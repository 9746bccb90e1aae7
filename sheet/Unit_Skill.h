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

    QLabel *L_SName = nullptr;
    EditField *SName = nullptr;
    QLabel *L_Exp = nullptr;
    ChoiceBox *Exp = nullptr;
    QLabel *L_Lv = nullptr;
    SpinField *Lv = nullptr;
    RadioGroup *SType = nullptr;
    RadioGroup *DType = nullptr;
    Button *OKButton = nullptr;
    Button *CancelButton = nullptr;
};
