#include "console/Unit_Main.h"
#include "controls/layout.h"
#include "shell/forms.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Closing the main window ends the program even while the statistics or
    // enemy window is still open.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/corvane.png")));
    installWindowFont();

    createForms(std::make_unique<ClockRandom>());
    Main->show();
    const int status = QApplication::exec();
    destroyForms();
    return status;
}
