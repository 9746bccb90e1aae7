// What loading a rating table costs as it grows to the 1 MiB bound, and what
// the windows then cost: the whole start-up with the table, opening the
// rating list, and one Rating Roll from the last rating. Besides tables of
// ordinary rows it loads the two worst shapes within the bound: one label of
// 1 MiB, and Shift-JIS labels where every other character is broken.

#include "console/Unit_Main.h"
#include "controls/buttons.h"
#include "controls/choicebox.h"
#include "controls/logmemo.h"
#include "rules/filereading.h"
#include "rules/rating.h"
#include "shell/forms.h"
#include "support/appfixture.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// Ordinary rows, as many as fit into `bytes`.
QByteArray rowsOf(qint64 bytes)
{
    QByteArray table;
    for (int i = 0;; ++i) {
        const QByteArray row = "Rating " + QByteArray::number(i) + ",1,2,4,5,6,7,8,10,11,13\r\n";
        if (table.size() + row.size() > bytes)
            return table;
        table += row;
    }
}

QByteArray oneHugeLabel()
{
    const QByteArray values = ",1,2,4,5,6,7,8,10,11,13\r\n";
    return QByteArray(MaxTextFileBytes - values.size(), 'x') + values;
}

// "剣" and a byte no Shift-JIS character uses, in labels of 100 such pairs.
QByteArray brokenShiftJis()
{
    const QByteArray row = QByteArray("\x8c\x95\x80").repeated(100) + ",1,2,4,5,6,7,8,10,11,13\r\n";
    return row.repeated(int(MaxTextFileBytes / row.size()));
}

double millisecondsSince(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

void measure(const char *name, const QByteArray &table)
{
    QTemporaryDir dir;
    const QString fileName = dir.filePath(RatingTableName);
    if (!writeFile(fileName, table))
        return;

    QElapsedTimer timer;
    timer.start();
    RatingTable ratings;
    ratings.load(fileName);
    for (qsizetype i = 0; i < ratings.count(); ++i)
        (void)ratings.label(i);
    const double load = millisecondsSince(timer);

    timer.start();
    AppFixture app(table);
    QApplication::processEvents();
    const double startup = millisecondsSince(timer);

    const int last = Main->ComboBox4->count() - 1;
    QApplication::setEffectEnabled(Qt::UI_AnimateCombo, false);
    timer.start();
    Main->ComboBox4->comboBox()->showPopup();
    QApplication::processEvents();
    Main->ComboBox4->comboBox()->hidePopup();
    const double popup = millisecondsSince(timer);

    Main->ComboBox4->setItemIndex(last);
    Main->ComboBox4Change(Main->ComboBox4);
    app.dice().push({3, 4});
    timer.start();
    Main->Button2->runClick();
    const double roll = millisecondsSince(timer);
    if (Main->Memo1->lines().size() != 1 || !app.errors().isEmpty())
        std::printf("unexpected: %lld log lines, %lld errors\n", static_cast<long long>(Main->Memo1->lines().size()),
                    static_cast<long long>(app.errors().size()));

    std::printf("%-26s %8lld bytes %6d ratings: load %7.2f ms, start-up %7.1f ms, list open %7.1f ms, "
                "rating roll %6.2f ms\n",
                name, static_cast<long long>(table.size()), last + 1, load, startup, popup, roll);
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    measure("one rating (baseline)", rowsOf(40));
    measure("1 KB", rowsOf(1024));
    measure("100 KB", rowsOf(100 * 1024));
    measure("1 MiB", rowsOf(MaxTextFileBytes));
    measure("1 MiB, one label", oneHugeLabel());
    measure("1 MiB, broken Shift-JIS", brokenShiftJis());
    return 0;
}
