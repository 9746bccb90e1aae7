// What the console's two hot paths cost as the roster and the log grow:
// one Dice Roll against every enemy, each check chaining a rating roll, with
// 100 and with 1,000 rows; and 100,000 log lines appended one by one, each
// running the log's scroll-bar rule. Flat figures mean no step re-reads the
// whole roster or re-counts the whole log.

#include "console/Unit_Main.h"
#include "controls/buttons.h"
#include "controls/choicebox.h"
#include "controls/logmemo.h"
#include "roster/Unit_Enemy.h"
#include "shell/forms.h"
#include "support/appfixture.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>

namespace {

// One check against every row: the check succeeds (8 against 7) and chains
// a rating roll of 5, so each target draws four faces and writes two lines.
double microsecondsPerTarget(AppFixture &app, int rows)
{
    while (Enemy->RowCount < rows)
        Enemy->Party_add->runClick();
    for (int i = 0; i < rows; ++i)
        app.dice().push({4, 4, 2, 3});
    Main->Memo1->clearLines();
    QElapsedTimer timer;
    timer.start();
    Main->Button1->runClick();
    const qint64 elapsed = timer.nsecsElapsed();
    if (Main->Memo1->lines().size() != 2 * rows)
        std::printf("unexpected log: %lld lines\n", static_cast<long long>(Main->Memo1->lines().size()));
    return double(elapsed) / rows / 1000.0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    AppFixture app;
    QApplication::processEvents();

    Main->ComboBox1->setItemIndex(1);
    Main->ComboBox1Change(Main->ComboBox1);
    Main->ComboBox4->setItemIndex(0);
    Main->ComboBox4Change(Main->ComboBox4);
    Main->RadioButton4->setCheck();

    const double at100 = microsecondsPerTarget(app, 100);
    const double at1000 = microsecondsPerTarget(app, 1000);
    std::printf("dice roll against all enemies, per target: %7.1f us with 100 rows, %7.1f us with 1000 rows\n", at100,
                at1000);

    Main->Memo1->clearLines();
    constexpr int Lines = 100000;
    constexpr int Chunk = 10000;
    const QString line = QStringLiteral("F-Atk: ( 2D6 = 4, 4 ) -> 8 + 5 = 13 *** Success ***");
    QElapsedTimer timer;
    for (int chunk = 0; chunk < Lines / Chunk; ++chunk) {
        timer.start();
        for (int i = 0; i < Chunk; ++i)
            Main->Memo1->appendLine(line);
        const double perLine = double(timer.nsecsElapsed()) / Chunk / 1000.0;
        std::printf("log lines %6d-%6d: %6.2f us per appended line\n", chunk * Chunk + 1, (chunk + 1) * Chunk, perLine);
    }
    std::printf("log rows counted: %d\n", Main->Memo1->lineCount());
    return 0;
}
