#include "console/Unit_Main.h"
#include "controls/layout.h"
#include "shell/commandline.h"
#include "shell/forms.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    // QApplication needs a display; help, version and the table check must
    // not.
    const CommandLine early = parseHelpOrVersion(rawArguments(argc, argv));
    if (early.exitStatus)
        return printCommandLineOutput(early);
    if (early.answersWithoutDisplay) {
        // The check looks beside the executable, which the application knows.
        const QCoreApplication app(argc, argv);
        return printCommandLineOutput(parseCommandLine(QCoreApplication::arguments()));
    }

    QApplication app(argc, argv);
    const CommandLine commandLine = parseCommandLine(QApplication::arguments());
    if (commandLine.exitStatus)
        return printCommandLineOutput(commandLine);

    // Closing the main window ends the program even while the statistics or
    // enemy window is still open.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/corvane.png")));
    installWindowFont();

    startForms(std::make_unique<ClockRandom>(), commandLine.options);
    const int status = QApplication::exec();
    destroyForms();
    return status;
}
