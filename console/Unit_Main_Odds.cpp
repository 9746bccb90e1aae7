// The odds of the two commands that roll dice, shown in their buttons' tool
// tips and accessible descriptions.

#include "console/Unit_Main.h"

#include "controls/buttons.h"
#include "controls/choicebox.h"
#include "controls/errordisplay.h"
#include "rules/odds.h"

#include <QEvent>
#include <QTimer>

QString TMain::diceRollOdds() const
{
    const std::optional<DiceRollSetup> setup = diceRollSetup();
    const DiceRollPlan plan = diceRollPlan(setup);
    if (plan.missing)
        return nothingToRollText(*plan.missing);

    QList<NamedTarget> targets;
    for (std::optional<qint32> i = plan.firstTarget(); i && targets.size() < ShownTargets; i = plan.nextTarget(*i)) {
        const TargetInputs inputs = targetInputs(*i);
        targets.append({targetName(*setup, inputs), targetValues(*setup, inputs)});
    }
    std::optional<ChainedRating> chained;
    const int rating = ComboBox4->itemIndex();
    if (setup->chainsRating && rating >= 0)
        chained = chainedRating(m_ratingTable, rating, ratingRollSetup(), targets);
    QString text = diceRollOddsText(*setup, targets, plan.targetCount(), chained);
    // The chained roll would write nothing; this is also why Dice Roll is
    // disabled then.
    if (setup->chainsRating && rating < 0)
        text += u'\n' + nothingToRollText(NothingToRoll::NoRating);
    return text;
}

QString TMain::ratingRollOdds() const
{
    const int rating = ComboBox4->itemIndex();
    if (rating < 0)
        return nothingToRollText(NothingToRoll::NoRating);
    return ratingRollOddsText(ratingOdds(m_ratingTable, rating, ratingRollSetup()));
}

void TMain::showOdds() noexcept
{
    // Nothing is hovered or read out before the window shows; until then
    // the odds cost start-up nothing.
    if (!isVisible())
        return;
    try {
        describe(Button1, diceRollOdds());
        describe(Button2, ratingRollOdds());
    } catch (...) {
        // The texts stay as they were.
    }
}

void TMain::watchOdds()
{
    addAfterEntries(this, [this] { showOdds(); });
    Button1->installEventFilter(this);
    Button2->installEventFilter(this);
    QTimer::singleShot(0, this, [this] { showOdds(); });
}

bool TMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ToolTip && (watched == Button1 || watched == Button2))
        showOdds();
    return QMainWindow::eventFilter(watched, event);
}
