// What the odds of Dice Roll cost against 1,000 enemy rows: every row's
// values read from the roster and its odds computed, in fixed and in random
// opposition (which compares every opposing roll as well), for a dodge that
// chains a rating roll; and bringing both buttons' tool tips up to date, as
// happens after every entry of the user. Then the chances of every total
// of a rating roll, as a chart or a kill chance needs them, for a line
// whose values run from 6 to 60; and the rating table window on a table of
// 100 lines: every cell computed again when the modifier changes and the
// window drawn, and the chart of one line at the critical value 8 computed
// and drawn. Last the tool tips with the fight's books kept, for a hit whose
// twelve lines each end with the chance to bring the enemy down, with line
// 60 at the deepest critical chain (critical value 8), every other row
// already down.

#include "console/Unit_Main.h"
#include "console/Unit_RatingView.h"
#include "controls/buttons.h"
#include "controls/choicebox.h"
#include "controls/distributionchart.h"
#include "controls/radiogroup.h"
#include "controls/spinfield.h"
#include "roster/Unit_Enemy.h"
#include "rules/odds.h"
#include "shell/forms.h"
#include "support/appfixture.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <limits>

namespace {

constexpr int Rows = 1000;
constexpr int Runs = 200;
constexpr int TableLines = 100;

// The worked example's Blade first, then lines whose values rise to up to
// 60 for a 12.
QByteArray hundredLineTable()
{
    QByteArray table = "Blade,1,2,4,5,6,7,8,10,11,13\r\n";
    for (int line = 1; line < TableLines; ++line) {
        table += "P" + QByteArray::number(line);
        for (int result = 3; result <= 12; ++result)
            table += ',' + QByteArray::number((result - 2) * (line % 61) / 10);
        table += "\r\n";
    }
    return table;
}

// The fastest of the runs, in microseconds: the cost without the machine's
// other work.
template<typename Step>
double fastestMicroseconds(Step &&step)
{
    qint64 fastest = std::numeric_limits<qint64>::max();
    QElapsedTimer timer;
    for (int run = 0; run < Runs; ++run) {
        timer.start();
        step();
        fastest = std::min(fastest, timer.nsecsElapsed());
    }
    return double(fastest) / 1000.0;
}

// Every row's odds, as the tool tip would compute them if it showed them
// all: read from the roster and computed, and computed from values read
// before.
struct AllRows
{
    double readAndComputed;
    double computed;
};
AllRows allRowsOdds()
{
    double sink = 0;
    AllRows costs{};
    costs.readAndComputed = fastestMicroseconds([&] {
        const DiceRollSetup setup = *Main->diceRollSetup();
        for (qint32 i = 0; i < Enemy->RowCount; ++i)
            sink += targetOdds(setup, targetValues(setup, Main->targetInputs(i))).expectedLoss.value();
    });
    const DiceRollSetup setup = *Main->diceRollSetup();
    QList<TargetValues> values;
    for (qint32 i = 0; i < Enemy->RowCount; ++i)
        values.append(targetValues(setup, Main->targetInputs(i)));
    costs.computed = fastestMicroseconds([&] {
        for (const TargetValues &target : std::as_const(values))
            sink += targetOdds(setup, target).expectedLoss.value();
    });
    if (sink < 0)
        std::printf("(negative losses)\n");
    return costs;
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    AppFixture app(hundredLineTable());
    QApplication::processEvents();

    while (Enemy->RowCount < Rows)
        Enemy->Party_add->runClick();
    for (qint32 i = 0; i < Rows; ++i) {
        Enemy->Hit_mod[i]->setValue(i % 9);
        Enemy->Dmg_mod[i]->setValue(i % 5);
    }
    Main->ComboBox1->setItemIndex(CheckType::Dodge);
    Main->ComboBox1Change(Main->ComboBox1);
    Main->CheckBox2->setCheck(true);
    Main->ComboBox4->setItemIndex(0);
    Main->ComboBox4Change(Main->ComboBox4);
    Main->SpinEdit9->setValue(3);

    std::printf("dice roll odds for %d enemy rows (read and computed):\n", Rows);
    for (const int mode : {OppositionMode::Fixed, OppositionMode::Random}) {
        Main->RadioGroup1->setItemIndex(mode);
        const AllRows all = allRowsOdds();
        const double tips = fastestMicroseconds([] { Main->showOdds(); });
        std::printf("  %-6s opposition: %7.1f us for all rows (%7.1f us of it computing), %5.1f us to bring both "
                    "tool tips up to date\n",
                    mode == OppositionMode::Fixed ? "fixed" : "random", all.readAndComputed, all.computed, tips);
    }

    // Line 60's values run from 6 to 60.
    const LineValues line = lineValues(Main->ratingTable(), 60);
    std::printf("the chances of every rating total, values 6 to 60:\n");
    for (const int critical : {8, 10, 12, 0}) {
        const RatingRollSetup setup{critical, 0, critical > 0, 3};
        const double computed = fastestMicroseconds([&] { (void)ratingDistribution(line, setup); });
        const RatingDistribution distribution = ratingDistribution(line, setup);
        std::printf("  %-18s: %6.1f us, %4lld totals, mean %.1f\n",
                    critical > 0 ? qPrintable(QStringLiteral("critical value %1").arg(critical)) : "criticals off",
                    computed, static_cast<long long>(distribution.highest() - distribution.lowest() + 1),
                    distribution.mean());
    }
    // The widest line counted at the critical value 8, its totals just within
    // MostTotals; wider ones are refused before any work.
    LineValues widest;
    for (qint32 result = 3; result <= 12; ++result)
        widest.values[result] = (result - 2) * 800;
    const double widestCost = fastestMicroseconds([&] { (void)ratingDistribution(widest, {8, 0, true, 0}); });
    const RatingDistribution counted = ratingDistribution(widest, {8, 0, true, 0});
    std::printf("  values 800 to 8000, critical value 8: %.1f us, %lld totals\n", widestCost,
                static_cast<long long>(counted.highest() - counted.lowest() + 1));

    Main->ComboBox4->setItemIndex(60);
    Main->SpinEdit3->setValue(8);
    Main->ViewRatingExecute(Main->ViewRating);
    QApplication::processEvents();
    int modifier = 0;
    const double cells = fastestMicroseconds([&] {
        Main->SpinEdit6->setValue(++modifier % 2);
        RatingView->follow();
        RatingView->repaint();
    });
    const double unchanged = fastestMicroseconds([] { RatingView->follow(); });
    const double chart = fastestMicroseconds([&] {
        RatingView->Chart->setDistribution(ratingDistribution(line, Main->ratingRollSetup()));
        RatingView->Chart->repaint();
    });
    std::printf("the rating table window, %d lines:\n", TableLines);
    std::printf("  %7.1f us for every cell and the chart after a change of the modifier, and the window drawn\n",
                cells);
    std::printf("  %7.1f us after an entry that changes none of its inputs\n", unchanged);
    std::printf("  %7.1f us to compute and draw the chart of one line at the critical value 8\n", chart);

    Main->BattleApplyDamage->setChecked(true);
    Main->ComboBox1->setItemIndex(CheckType::Hit);
    Main->ComboBox1Change(Main->ComboBox1);
    Main->RadioButton4->setCheck();
    Main->SpinEdit3->setValue(8);
    Main->ComboBox4->setItemIndex(60);
    Main->ComboBox4Change(Main->ComboBox4);
    for (qint32 i = 0; i < Rows; i += 2)
        Enemy->HP_pst[i]->setValue(0);
    std::printf("with the fight's books kept, a hit chaining the rating roll at critical value 8:\n");
    for (const int mode : {OppositionMode::Fixed, OppositionMode::Random}) {
        Main->RadioGroup1->setItemIndex(mode);
        const double tips = fastestMicroseconds([] { Main->showOdds(); });
        std::printf("  %-6s opposition: %5.1f us to bring both tool tips up to date; first line \"%s\"\n",
                    mode == OppositionMode::Fixed ? "fixed" : "random", tips,
                    qPrintable(Main->Button1->toolTip().section(u'\n', 0, 0)));
    }
    return 0;
}
