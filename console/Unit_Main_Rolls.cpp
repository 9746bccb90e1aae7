// The two commands of the console that roll dice: Dice Roll and Rating Roll.

#include "console/Unit_Main.h"

#include "controls/buttons.h"
#include "controls/choicebox.h"
#include "controls/logmemo.h"
#include "controls/radiogroup.h"
#include "controls/spinfield.h"
#include "roster/Unit_Enemy.h"
#include "rules/checkresolution.h"
#include "rules/inttext.h"
#include "shell/forms.h"

#include <QApplication>

std::optional<DiceRollSetup> TMain::diceRollSetup() const
{
    const int checkType = ComboBox1->itemIndex();
    if (checkType < 0 || checkType >= CheckTypeCount)
        return std::nullopt;
    DiceRollSetup setup;
    setup.checkType = checkType;
    setup.modifier = wrapAdd(SpinEdit1->value(), SpinEdit2->value());
    setup.targetMode = targetMode();
    setup.randomOpposition = RadioGroup1->itemIndex() == OppositionMode::Random;
    setup.chainsRating = CheckBox2->isChecked();
    setup.hpTarget = RadioButton6->isChecked();
    setup.protection = wrapAdd(SpinEdit9->value(), SpinEdit10->value());
    return setup;
}

TargetValues TMain::targetValues(const DiceRollSetup &setup, qint32 i, qint32 rows) const
{
    TargetValues target;
    if (setup.targetMode == TargetMode::Number)
        target.opposing = SpinEdit13->value();
    else if (setup.targetMode != TargetMode::None)
        target.opposing = opposingModifier(setup.checkType, Enemy->Hit_mod[i]->value(), Enemy->Ddg_mod[i]->value());
    // Without a chosen enemy a failed dodge has no blow to roll.
    if (setup.checkType == CheckType::Dodge && isEnemyRow(i, rows))
        target.damageModifier = Enemy->Dmg_mod[i]->value();
    return target;
}

RatingRollSetup TMain::ratingRollSetup() const
{
    RatingRollSetup setup;
    setup.criticalBase = SpinEdit3->value();
    setup.criticalModifier = SpinEdit4->value();
    setup.criticalsOn = CheckBox1->isChecked();
    setup.modifier = wrapAdd(SpinEdit5->value(), SpinEdit6->value());
    return setup;
}

void TMain::Button1Click(QObject *)
{
    // Typed text that names no check type leaves nothing to roll.
    const std::optional<DiceRollSetup> setup = diceRollSetup();
    if (!setup) {
        QApplication::beep();
        return;
    }
    const std::optional<TargetRange> range = targetRange(setup->targetMode, ComboBox7->itemIndex(), Enemy->RowCount);
    if (!range) {
        // One enemy, but none chosen.
        QApplication::beep();
        return;
    }
    if (range->isEmpty())
        return;

    bool success = true;
    for (qint32 i = range->first;; ++i) {
        const TargetValues target = targetValues(*setup, i, Enemy->RowCount);
        const CheckRoll check = rollCheck(*m_random, *setup, target, success);
        success = check.outcome.success;
        Memo1->appendLine(check.line);
        if (check.outcome.chainsRating)
            Button2Click(Button2);
        if (check.outcome.damageStep) {
            const DamageRoll damage = rollDamage(*m_random, *setup, *target.damageModifier);
            if (damage.loss)
                SpinEdit7->setValue(wrapSub(SpinEdit7->value(), damage.loss));
            Memo1->appendLine(damage.line);
        }
        if (i == range->last)
            break;
    }
}

void TMain::Button2Click(QObject *)
{
    const int index = ComboBox4->itemIndex();
    if (index < 0)
        return;
    const RatingRollSetup setup = ratingRollSetup();
    const QString chain = RollRatingDice(setup.criticalValue(), setup.criticalsOn);
    const QString label = ComboBox4->itemText(index);
    Memo1->appendLine(ratingLine(m_ratingTable, index, label, chain, setup.modifier));
}
