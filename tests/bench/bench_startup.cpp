// How long the program takes to show its three windows, and how much memory
// it holds then, against a bare Qt program that shows three empty windows
// (each with one label, in the same font and style).
// Each start runs in a fresh process, in the source's data folder so that it
// finds the sample table as a start from there does; the figures are medians
// of several starts.

#include "console/Unit_Main.h"
#include "controls/layout.h"
#include "shell/forms.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

constexpr int Starts = 9;

long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

// One start in this process: prints milliseconds to three shown windows and
// the resident memory then.
int startOnce(int argc, char *argv[], bool bare)
{
    QElapsedTimer timer;
    timer.start();
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> windows[3];
    if (bare) {
        // The same font and style, so that only the windows' own work differs.
        installWindowFont();
        for (auto &window : windows) {
            window = std::make_unique<QWidget>();
            // Measuring the caption loads the font, as any window with text does.
            (new QLabel(QStringLiteral("冒険者レベル"), window.get()))->adjustSize();
            window->show();
        }
    } else {
        installWindowFont();
        createForms(std::make_unique<ClockRandom>());
        Main->show();
    }
    QApplication::processEvents();
    std::printf("%lld %ld\n", static_cast<long long>(timer.elapsed()), residentKilobytes());
    if (!bare)
        destroyForms();
    return 0;
}

struct Figures
{
    qint64 milliseconds;
    long kilobytes;
};

Figures median(const QString &program, const QString &mode)
{
    QList<qint64> times;
    QList<long> memory;
    for (int i = 0; i < Starts; ++i) {
        QProcess process;
        process.setWorkingDirectory(QStringLiteral(CORVANE_SOURCE_DIR "/data"));
        process.start(program, {mode});
        // A start that shows an error box waits for it forever.
        if (!process.waitForFinished()) {
            std::fprintf(stderr, "a %s start did not end\n", qPrintable(mode));
            process.kill();
            process.waitForFinished();
            continue;
        }
        const QList<QByteArray> fields = process.readAllStandardOutput().trimmed().split(' ');
        if (fields.size() != 2) {
            std::fprintf(stderr, "a %s start printed no figures: %s\n", qPrintable(mode),
                         process.readAllStandardError().constData());
            continue;
        }
        times.append(fields[0].toLongLong());
        memory.append(fields[1].toLong());
    }
    if (times.isEmpty())
        return {-1, -1};
    std::sort(times.begin(), times.end());
    std::sort(memory.begin(), memory.end());
    return {times[times.size() / 2], memory[memory.size() / 2]};
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && (qstrcmp(argv[1], "bare") == 0 || qstrcmp(argv[1], "program") == 0))
        return startOnce(argc, argv, qstrcmp(argv[1], "bare") == 0);

    const QString self = QString::fromLocal8Bit(argv[0]);
    const Figures bare = median(self, QStringLiteral("bare"));
    const Figures program = median(self, QStringLiteral("program"));
    std::printf("three bare Qt windows: %4lld ms to shown, %6ld kB resident\n",
                static_cast<long long>(bare.milliseconds), bare.kilobytes);
    std::printf("the program's windows: %4lld ms to shown, %6ld kB resident\n",
                static_cast<long long>(program.milliseconds), program.kilobytes);
    return 0;
}
