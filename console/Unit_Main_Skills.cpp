// The rebuild of everything the console derives from the skill rows.

#include "console/Unit_Main.h"

#include "controls/choicebox.h"
#include "controls/spinfield.h"
#include "rules/skilllevels.h"
#include "sheet/Unit_Friend_States.h"
#include "shell/forms.h"

#include <QLabel>

void TMain::SetSkillList()
{
    // A row that cannot be read stops the rebuild right there, leaving the
    // levels and everything after the rows as they were.
    SkillRebuild rebuild(SkillForCheck, SkillChoices);
    for (int i = 0; i < F_States2->skillCount(); ++i)
        rebuild.addRow(F_States2->skillRow(i));
    rebuild.finish();

    F_States2->AdvLv->setText(QString::number(rebuild.adventurerLevel()));
    F_States2->MagLv->setText(QString::number(rebuild.magicLevel()));
    F_States2->VitChange(F_States2->Vit);
    F_States2->WilChange(F_States2->Wil);

    ComboBox2->setItems(SkillChoices);
    ComboBox6->setItems(SkillChoices);
    ComboBox1Change(ComboBox1);
}
