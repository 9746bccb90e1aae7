// The two commands of the console that roll dice: Dice Roll and Rating Roll.

#include "console/Unit_Main.h"

#include "controls/buttons.h"
#include "controls/choicebox.h"
#include "controls/logmemo.h"
#include "controls/radiogroup.h"
#include "controls/spinfield.h"
#include "roster/Unit_Enemy.h"
#include "rules/checkresolution.h"
#include "rules/dice.h"
#include "rules/inttext.h"
#include "shell/forms.h"

#include <QApplication>

void TMain::Button1Click(QObject *)
{
    // Typed text that names no check type leaves nothing to roll.
    const int checkType = ComboBox1->itemIndex();
    if (checkType < 0 || checkType >= CheckTypeCount) {
        QApplication::beep();
        return;
    }
    const qint32 modifier = wrapAdd(SpinEdit1->value(), SpinEdit2->value());
    const TargetMode mode = targetMode();
    const bool noTarget = mode == TargetMode::None;
    const bool byNumber = mode == TargetMode::Number;
    const bool allEnemies = mode == TargetMode::AllEnemies;
    const bool randomOpposition = RadioGroup1->itemIndex() == OppositionMode::Random;

    qint32 first = ComboBox7->itemIndex();
    qint32 last = first;
    if (allEnemies) {
        first = 0;
        last = wrapSub(Enemy->RowCount, 1);
    } else if (!noTarget && !byNumber && (first < 0 || first >= Enemy->RowCount)) {
        // One enemy, but none chosen.
        QApplication::beep();
        return;
    }
    if (last < first)
        return;

    bool success = true;
    for (qint32 i = first;; ++i) {
        const QString dice = RollDice(2, 6);
        const qint32 roll = sumDice(dice);
        const QString line = checkLine(checkType, dice, modifier);
        const bool natural2 = roll == 2;

        if (natural2) {
            Memo1->appendLine(line + checkResultText()[0]);
        } else if (noTarget) {
            Memo1->appendLine(line);
        } else {
            const qint32 opposing = byNumber
                ? SpinEdit13->value()
                : opposingModifier(checkType, Enemy->Hit_mod[i]->value(), Enemy->Ddg_mod[i]->value());
            const qint32 opposingRoll = randomOpposition ? sumDice(RollDice(2, 6)) : FixedOpposingRoll;
            success = checkSucceeds(checkType, modifier, roll, opposing, opposingRoll);
            Memo1->appendLine(line + checkResultText()[success ? 1 : 0]);
        }

        if (!natural2 && success && CheckBox2->isChecked())
            Button2Click(Button2);

        // A dodge that failed lets the enemy's blow through; without a chosen
        // enemy there is no blow to roll.
        if (checkType == CheckType::Dodge && (!success || natural2) && i >= 0 && i < Enemy->RowCount) {
            const QString damageDice = RollDice(2, 6);
            const qint32 damageRoll = sumDice(damageDice);
            const qint32 damageModifier = Enemy->Dmg_mod[i]->value();
            if (RadioButton6->isChecked()) {
                const qint32 protection = wrapAdd(SpinEdit9->value(), SpinEdit10->value());
                if (const qint32 loss = damageLoss(damageRoll, damageModifier, protection))
                    SpinEdit7->setValue(wrapSub(SpinEdit7->value(), loss));
            }
            Memo1->appendLine(formatCheckRoll(damageDice, damageModifier));
        }
        if (i == last)
            break;
    }
}

void TMain::Button2Click(QObject *)
{
    const int index = ComboBox4->itemIndex();
    if (index < 0)
        return;
    const qint32 critical = criticalValue(SpinEdit3->value(), SpinEdit4->value());
    const QString chain = RollRatingDice(critical, CheckBox1->isChecked());
    const QString label = ComboBox4->itemText(index);
    const qint32 modifier = wrapAdd(SpinEdit5->value(), SpinEdit6->value());
    Memo1->appendLine(ratingLine(m_ratingTable, index, label, chain, modifier));
}
