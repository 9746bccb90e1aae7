// What one click on the roster's "+" costs, early and late: the first hundred
// rows against rows 901 to 1000. A roster that re-laid out or re-linked every
// row on each add would show the late figure growing with the row count.

#include "controls/buttons.h"
#include "roster/Unit_Enemy.h"
#include "shell/forms.h"
#include "support/appfixture.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>

namespace {

constexpr int Adds = 1000;
constexpr int Window = 100;

struct Costs
{
    qint64 add = 0;        // the handler alone
    qint64 withEvents = 0; // the handler and the events it leaves behind (painting, layout)
};

double meanMicroseconds(const QList<Costs> &costs, int from, int to, qint64 Costs::*part)
{
    qint64 sum = 0;
    for (int i = from; i < to; ++i)
        sum += costs[i].*part;
    return double(sum) / (to - from) / 1000.0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    AppFixture fixture;
    QApplication::processEvents();

    QList<Costs> costs(Adds);
    QElapsedTimer timer;
    for (int i = 0; i < Adds; ++i) {
        timer.start();
        Enemy->Party_add->runClick();
        costs[i].add = timer.nsecsElapsed();
        QApplication::processEvents();
        costs[i].withEvents = timer.nsecsElapsed();
    }

    std::printf("rows after the run: %d\n", Enemy->RowCount);
    std::printf("mean cost per add, adds 1-%d:      %8.1f us (with events %8.1f us)\n", Window,
                meanMicroseconds(costs, 0, Window, &Costs::add),
                meanMicroseconds(costs, 0, Window, &Costs::withEvents));
    std::printf("mean cost per add, adds %d-%d:  %8.1f us (with events %8.1f us)\n", Adds - Window + 1, Adds,
                meanMicroseconds(costs, Adds - Window, Adds, &Costs::add),
                meanMicroseconds(costs, Adds - Window, Adds, &Costs::withEvents));
    return 0;
}
