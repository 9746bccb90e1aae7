// The rebuild of everything the console derives from the skill rows.

#include "console/Unit_Main.h"

#include "controls/choicebox.h"
#include "controls/spinfield.h"
#include "rules/apperror.h"
#include "rules/inttext.h"
#include "sheet/Unit_Friend_States.h"
#include "shell/forms.h"

#include <QLabel>
#include <QTreeWidget>

namespace {

// The check type whose skill a skill type may supply.
int checkTypeForSkillType(qint32 skillType)
{
    switch (skillType) {
    case 0:
        return CheckType::Hit;
    case 1:
        return CheckType::Magic;
    case 2:
        return CheckType::Initiative;
    case 3:
        return CheckType::MonsterKnowledge;
    default:
        return CheckType::General;
    }
}

} // namespace

void TMain::SetSkillList()
{
    QTreeWidget *list = F_States2->SkillList;
    const auto levelOf = [list](int row) {
        const QTreeWidgetItem *item = list->topLevelItem(row);
        if (!item)
            throw AppError::listIndex(row);
        return strToInt(item->text(TF_States2::LevelColumn));
    };
    // Choice index i + 2 names row i; among equal levels the earlier row
    // keeps the entry.
    const auto offer = [this, &levelOf](int entry, int row, qint32 level) {
        if (SkillForCheck[entry] == 0 || levelOf(SkillForCheck[entry] - 2) < level)
            SkillForCheck[entry] = row + 2;
    };

    for (int entry = CheckType::General; entry <= CheckType::MonsterKnowledge; ++entry)
        SkillForCheck[entry] = 0;
    SkillChoices.clear();
    SkillChoices << QStringLiteral("(none)") << QStringLiteral("冒険者");
    qint32 adventurer = 0;
    qint32 magic = 0;

    // A row whose level is no number stops the rebuild right there, leaving
    // the levels and everything after this loop as they were.
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *row = list->topLevelItem(i);
        const qint32 level = strToInt(row->text(TF_States2::LevelColumn));
        adventurer = qMax(adventurer, level);
        SkillChoices.append(row->text(TF_States2::NameColumn));
        const qint32 type = strToInt(row->text(TF_States2::TypeColumn));
        const int entry = checkTypeForSkillType(type);
        if (entry == CheckType::Magic)
            magic = wrapAdd(magic, level);
        offer(entry, i, level);
        if (strToInt(row->text(TF_States2::DodgeColumn)) == 1)
            offer(CheckType::Dodge, i, level);
    }
    SkillForCheck[CheckType::VitalityResistance] = 1;
    SkillForCheck[CheckType::SpiritResistance] = 1;

    F_States2->AdvLv->setText(QString::number(adventurer));
    F_States2->MagLv->setText(QString::number(magic));
    F_States2->VitChange(F_States2->Vit);
    F_States2->WilChange(F_States2->Wil);

    ComboBox2->setItems(SkillChoices);
    ComboBox6->setItems(SkillChoices);
    ComboBox1Change(ComboBox1);
}
