// The rules that keep the console's controls consistent with each other, the
// log's scroll bar and the Reset command.

#include "console/Unit_Main.h"

#include "controls/buttons.h"
#include "controls/choicebox.h"
#include "controls/logmemo.h"
#include "controls/radiogroup.h"
#include "controls/spinfield.h"
#include "roster/Unit_Enemy.h"
#include "rules/checkresolution.h"
#include "rules/checksetup.h"
#include "rules/inttext.h"
#include "sheet/Unit_Friend_States.h"
#include "shell/forms.h"

#include <QLabel>

TargetMode TMain::targetMode() const
{
    if (RadioButton2->isChecked())
        return TargetMode::Number;
    if (RadioButton3->isChecked())
        return TargetMode::OneEnemy;
    if (RadioButton4->isChecked())
        return TargetMode::AllEnemies;
    return TargetMode::None;
}

RadioButton *TMain::targetModeButton(TargetMode mode) const
{
    switch (mode) {
    case TargetMode::Number:
        return RadioButton2;
    case TargetMode::OneEnemy:
        return RadioButton3;
    case TargetMode::AllEnemies:
        return RadioButton4;
    case TargetMode::None:
        break;
    }
    return RadioButton1;
}

void TMain::ComboBox1Change(QObject *)
{
    const int t = ComboBox1->itemIndex();
    if (!hasPresets(t))
        return;
    const CheckPreset preset = checkPreset(t);
    ComboBox2->setItemIndex(SkillForCheck[t]);
    ComboBox3->setItemIndex(defaultAbility()[t]);
    ComboBox3Change(ComboBox3);
    CheckBox2->setCheck(preset.chainsRating);
    if (preset.targetMode)
        targetModeButton(*preset.targetMode)->setCheck();
    if (preset.hpPowerTarget)
        RadioButton6->setCheck();
    if (preset.opposesInitiative) {
        QList<qint32> initiatives;
        for (qint32 r = 0; r < Enemy->RowCount; ++r)
            initiatives.append(Enemy->Initiative[r]->value());
        SpinEdit14->setValue(initiativeTarget(initiatives));
    }
}

qint32 TMain::CheckBaseValue(const ChoiceBox *skillBox, const ChoiceBox *abilityBox) const
{
    const SkillSource source = skillSourceOf(skillBox->itemIndex());
    qint32 level = 0;
    if (source.kind == SkillSource::Adventurer)
        level = strToInt(F_States2->AdvLv->text());
    else if (source.kind == SkillSource::Row)
        level = strToInt(F_States2->skillRow(source.row).level);
    return checkBaseValue(level, abilityBox->itemIndex(), AbilityBonus);
}

void TMain::ComboBox3Change(QObject *)
{
    SpinEdit1->setValue(CheckBaseValue(ComboBox2, ComboBox3));
}

void TMain::ComboBox5Change(QObject *)
{
    SpinEdit5->setValue(CheckBaseValue(ComboBox6, ComboBox5));
}

void TMain::ComboBox4Change(QObject *)
{
    Button2->setEnabled(ComboBox4->itemIndex() >= 0);
    CheckBox2Click(ComboBox4);
}

void TMain::CheckBox2Click(QObject *)
{
    EnablingInputs inputs;
    inputs.chainsRating = CheckBox2->isChecked();
    inputs.checkType = ComboBox1->itemIndex();
    inputs.targetMode = targetMode();
    inputs.ratingRollEnabled = Button2->isEnabled();
    inputs.targetChosen = ComboBox7->itemIndex() >= 0;
    const EnabledControls enabled = enabledControls(inputs);
    RadioButton5->setEnabled(enabled.powerTarget);
    RadioButton6->setEnabled(enabled.powerTarget);
    SpinEdit13->setEnabled(enabled.opposingValue);
    SpinEdit14->setEnabled(enabled.opposingValue);
    ComboBox7->setEnabled(enabled.targetList);
    ComboBox8->setEnabled(enabled.sideList);
    Button1->setEnabled(enabled.diceRoll);
}

void TMain::RadioGroup1Click(QObject *)
{
    const bool random = RadioGroup1->itemIndex() == OppositionMode::Random;
    RadioGroup2->setEnabled(random);
    SpinEdit14->setVisible(!random);
    for (qint32 r = 0; r < Enemy->RowCount; ++r) {
        Enemy->Hit_fix[r]->setVisible(!random);
        Enemy->Ddg_fix[r]->setVisible(!random);
    }
}

void TMain::SpinEdit13Change(QObject *)
{
    SpinEdit14->setValue(fixedValueOf(SpinEdit13->value()));
}

void TMain::SpinEdit14Change(QObject *)
{
    SpinEdit13->setValue(modifierOfFixed(SpinEdit14->value()));
}

void TMain::Memo1Change(QObject *)
{
    const bool scroll = logNeedsScrollBar(Memo1->lineCount());
    Memo1->setVerticalScrollBarPolicy(scroll ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TMain::Button4Click(QObject *)
{
    if (CheckBox4->isChecked())
        Memo1->clearLines();
    if (CheckBox5->isChecked()) {
        SpinEdit7->setValue(F_States2->HP_max->value());
        for (qint32 r = 0; r < Enemy->RowCount; ++r)
            Enemy->PieceChange(Enemy->HP_max[r]);
    }
    if (CheckBox6->isChecked()) {
        SpinEdit8->setValue(F_States2->MP_max->value());
        for (qint32 r = 0; r < Enemy->RowCount; ++r)
            Enemy->PieceChange(Enemy->MP_max[r]);
    }
}
