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
    setup.keepsBooks = BattleApplyDamage->isChecked();
    return setup;
}

TargetInputs TMain::targetInputs(qint32 i) const
{
    TargetInputs inputs;
    inputs.number = SpinEdit13->value();
    if (Enemy && isEnemyRow(i, Enemy->rowCount()))
        inputs.row = Enemy->rowValues(i);
    return inputs;
}

DiceRollPlan TMain::diceRollPlan(const std::optional<DiceRollSetup> &setup) const
{
    return planDiceRoll(setup, ComboBox7->itemIndex(), Enemy ? Enemy->rowCount() : 0,
                        [](qint32 r) { return Enemy->HP_pst[r]->value(); });
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
    const std::optional<DiceRollSetup> setup = diceRollSetup();
    const DiceRollPlan plan = diceRollPlan(setup);
    if (plan.missing) {
        // Typed text that names no check type, or no enemy chosen; a roster
        // without rows, or none standing, leaves nothing to roll against.
        if (*plan.missing == NothingToRoll::NoCheckType || *plan.missing == NothingToRoll::NoEnemyChosen)
            QApplication::beep();
        return;
    }

    bool success = true;
    for (std::optional<qint32> i = plan.firstTarget(); i; i = plan.nextTarget(*i)) {
        const TargetValues target = targetValues(*setup, targetInputs(*i));
        const CheckRoll check = rollCheck(*m_random, *setup, target, success);
        success = check.outcome.success;
        Memo1->appendLine(check.line);
        if (check.outcome.chainsRating) {
            const std::optional<RatingRoll> rating = Button2Click(Button2);
            if (rating && check.outcome.takesHitDamage) {
                const HitDamage hit = hitDamage(*target.hitTarget, rating->total);
                Enemy->HP_pst[*i]->setValue(hit.presentHp);
                Memo1->appendLine(hit.line);
            }
        }
        if (check.outcome.damageStep) {
            const DamageRoll damage = rollDamage(*m_random, *setup, *target.damageModifier);
            if (damage.loss)
                SpinEdit7->setValue(wrapSub(SpinEdit7->value(), damage.loss));
            Memo1->appendLine(damage.line);
        }
    }
}

std::optional<RatingRoll> TMain::Button2Click(QObject *)
{
    const int index = ComboBox4->itemIndex();
    if (index < 0)
        return std::nullopt;
    const RatingRollSetup setup = ratingRollSetup();
    const QString chain = RollRatingDice(setup.criticalValue(), setup.criticalsOn);
    const QString label = ComboBox4->itemText(index);
    const RatingRoll roll = ratingRoll(m_ratingTable, index, label, chain, setup.modifier);
    Memo1->appendLine(roll.line);
    return roll;
}
