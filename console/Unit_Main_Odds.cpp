// The odds of the two commands that roll dice, shown in their buttons' tool
// tips and accessible descriptions.

#include "console/Unit_Main.h"

#include "controls/buttons.h"
#include "controls/choicebox.h"
#include "controls/errordisplay.h"
#include "roster/Unit_Enemy.h"
#include "rules/odds.h"
#include "shell/forms.h"

#include <QEvent>
#include <QTimer>

#include <algorithm>

namespace {

// The rows whose controls all exist; the roster keeps them equal.
qint32 readableRows()
{
    if (!Enemy)
        return 0;
    const qsizetype made = std::min({Enemy->Name.size(), Enemy->Hit_mod.size(), Enemy->Ddg_mod.size(),
                                     Enemy->Dmg_mod.size(), qsizetype(std::max(Enemy->RowCount, 0))});
    return qint32(made);
}

} // namespace

QString TMain::diceRollOdds() const
{
    const std::optional<DiceRollSetup> setup = diceRollSetup();
    if (!setup)
        return nothingToRollText(NothingToRoll::NoCheckType);
    const qint32 rows = readableRows();
    const std::optional<TargetRange> range = targetRange(setup->targetMode, ComboBox7->itemIndex(), rows);
    if (!range)
        return nothingToRollText(NothingToRoll::NoEnemyChosen);
    if (range->isEmpty())
        return nothingToRollText(NothingToRoll::NoEnemies);

    QList<NamedTarget> targets;
    for (qint32 i = range->first; targets.size() < ShownTargets; ++i) {
        NamedTarget target{{}, targetValues(*setup, i, rows)};
        if (setup->targetMode == TargetMode::Number) {
            // The number the target group shows.
            const qint32 opposing = target.values.opposing;
            target.name = QString::number(setup->randomOpposition ? opposing : fixedValueOf(opposing));
        } else if (setup->targetMode != TargetMode::None) {
            target.name = Enemy->Name[i]->text();
        }
        targets.append(target);
        if (i == range->last)
            break;
    }
    std::optional<RatingOdds> chained;
    const int rating = ComboBox4->itemIndex();
    if (setup->chainsRating && rating >= 0)
        chained = ratingOdds(m_ratingTable, rating, ratingRollSetup());
    QString text = diceRollOddsText(*setup, targets, range->size(), chained);
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
