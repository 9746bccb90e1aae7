#include "shell/Unit_About.h"

#include "controls/buttons.h"
#include "controls/errordisplay.h"
#include "controls/layout.h"
#include "controls/linklabel.h"

#include <QDesktopServices>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QScreen>
#include <QUrl>

QColor TAboutBox::linkColor()
{
    return {0, 0, 255};
}

QColor TAboutBox::visitedColor()
{
    return {128, 0, 128};
}

TAboutBox::TAboutBox(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("バージョン情報"));
    setFixedSize(298, 213);
    setModal(true);

    Panel1 = place(new QFrame(this), QStringLiteral("Panel1"), 8, 8, 281, 161);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(2);
    ProgramIcon = place(new QLabel(Panel1), QStringLiteral("ProgramIcon"), 8, 8, 65, 57);
    ProgramIcon->setPixmap(QIcon(QStringLiteral(":/corvane.png")).pixmap(65, 57));
    ProgramIcon->setScaledContents(true);
    ProductName = makeLabel(Panel1, QStringLiteral("ProductName"),
                            QStringLiteral("Corvane for Tesselwyn " CORVANE_VERSION), 80, 16, 179, 12);
    Version = makeLabel(Panel1, QStringLiteral("Version"), QStringLiteral("Version 2009/06/18"), 168, 40, 103, 12);
    Copyright = makeLabel(Panel1, QStringLiteral("Copyright"), QStringLiteral("Program: the Corvane authors"), 8, 72,
                          250, 12);
    const Handler click = [this](QObject *sender) { URLClick(sender); };
    URL_Tool = place(new LinkLabel(QStringLiteral("https://corvane.example.org/"), linkColor(), Panel1, click),
                     QStringLiteral("URL_Tool"), 100, 88, 173, 12);
    Comments = makeLabel(Panel1, QStringLiteral("Comments"), QStringLiteral("Tesselwyn rules: Tesselwyn Games"), 8, 120,
                         153, 12);
    URL_System = place(new LinkLabel(QStringLiteral("https://games.example/"), linkColor(), Panel1, click),
                       QStringLiteral("URL_System"), 136, 136, 137, 12);
    for (QLabel *link : {URL_Tool, URL_System})
        link->resize(qMax(link->width(), link->sizeHint().width()), qMax(link->height(), link->sizeHint().height()));
    // A caption wider in the font at hand than where it was drawn would run
    // past the panel's edge and be cut off; it moves left to show whole.
    const int innerRight = Panel1->contentsRect().right();
    for (QLabel *label : Panel1->findChildren<QLabel *>()) {
        const int overflow = label->geometry().right() - innerRight;
        if (overflow > 0)
            label->move(label->x() - overflow, label->y());
    }

    OKButton = place(new Button(QStringLiteral("OK"), this), QStringLiteral("OKButton"), 111, 180, 75, 25);
    OKButton->setDefault(true);
    OKButton->setAutoDefault(true);
    OKButton->setOnClick([this](QObject *) { accept(); });
}

void TAboutBox::URLClick(QObject *sender)
{
    auto *link = qobject_cast<LinkLabel *>(sender);
    if (!link)
        return;
    // Whether the desktop could open it is not our concern: a failure
    // shows nothing.
    QDesktopServices::openUrl(QUrl(link->text()));
    link->setColor(visitedColor());
}

void TAboutBox::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The whole window, frame and caption included, is centred; a move
    // places the frame's corner.
    if (const QScreen *screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->geometry().center());
        move(frame.topLeft());
    }
}
