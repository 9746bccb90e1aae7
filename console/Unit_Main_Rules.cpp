// The rules that keep the console's controls consistent with each other, the
// log's scroll bar and the Reset command.

#include "console/Unit_Main.h"

#include "controls/buttons.h"
#include "controls/choicebox.h"
#include "controls/logmemo.h"
#include "controls/radiogroup.h"
#include "controls/spinfield.h"
#include "roster/Unit_Enemy.h"
#include "rules/apperror.h"
#include "rules/inttext.h"
#include "sheet/Unit_Friend_States.h"
#include "shell/forms.h"

#include <QLabel>
#include <QTreeWidget>

namespace {

// The log shows a scroll bar once it holds more rows than fit.
constexpr int LogRowsWithoutScrollBar = 8;

} // namespace

void TMain::ComboBox1Change(QObject *)
{
    const int t = ComboBox1->itemIndex();
    if (t < 1)
        return;
    ComboBox2->setItemIndex(SkillForCheck[t]);
    ComboBox3->setItemIndex(defaultAbility()[t]);
    ComboBox3Change(ComboBox3);
    CheckBox2->setCheck(t == CheckType::Hit);
    switch (t) {
    case CheckType::Hit:
    case CheckType::MonsterKnowledge:
        RadioButton3->setCheck();
        break;
    case CheckType::Dodge:
        RadioButton4->setCheck();
        RadioButton6->setCheck();
        break;
    case CheckType::Initiative: {
        RadioButton2->setCheck();
        qint32 highest = 0;
        for (qint32 r = 0; r < Enemy->RowCount; ++r)
            highest = qMax(highest, Enemy->Initiative[r]->value());
        SpinEdit14->setValue(highest);
        break;
    }
    default:
        break;
    }
}

qint32 TMain::CheckBaseValue(const ChoiceBox *skillBox, const ChoiceBox *abilityBox) const
{
    const int s = skillBox->itemIndex();
    qint32 level = 0;
    if (s == 1) {
        level = strToInt(F_States2->AdvLv->text());
    } else if (s >= 2) {
        const QTreeWidgetItem *row = F_States2->SkillList->topLevelItem(s - 2);
        if (!row)
            throw AppError::listIndex(s - 2);
        level = strToInt(row->text(1));
    }
    const int a = abilityBox->itemIndex();
    const qint32 bonus = a >= 0 && a < AbilityCount ? AbilityBonus[a] : 0;
    // The ability counts only for a skill actually known.
    return level > 0 ? wrapAdd(level, bonus) : level;
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
    const bool powerTarget = CheckBox2->isChecked() || ComboBox1->itemIndex() == CheckType::Dodge;
    RadioButton5->setEnabled(powerTarget);
    RadioButton6->setEnabled(powerTarget);
    SpinEdit13->setEnabled(RadioButton2->isChecked());
    SpinEdit14->setEnabled(RadioButton2->isChecked());
    ComboBox7->setEnabled(RadioButton3->isChecked());
    ComboBox8->setEnabled(RadioButton4->isChecked());
    Button1->setEnabled((!CheckBox2->isChecked() || Button2->isEnabled())
                        && (!RadioButton3->isChecked() || ComboBox7->itemIndex() >= 0));
}

void TMain::RadioGroup1Click(QObject *)
{
    const bool random = RadioGroup1->itemIndex() == 0;
    RadioGroup2->setEnabled(random);
    SpinEdit14->setVisible(!random);
    for (qint32 r = 0; r < Enemy->RowCount; ++r) {
        Enemy->Hit_fix[r]->setVisible(!random);
        Enemy->Ddg_fix[r]->setVisible(!random);
    }
}

void TMain::SpinEdit13Change(QObject *)
{
    SpinEdit14->setValue(wrapAdd(SpinEdit13->value(), 7));
}

void TMain::SpinEdit14Change(QObject *)
{
    SpinEdit13->setValue(wrapSub(SpinEdit14->value(), 7));
}

void TMain::Memo1Change(QObject *)
{
    const bool scroll = Memo1->lineCount() > LogRowsWithoutScrollBar;
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
