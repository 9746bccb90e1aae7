#pragma once

// The about box: the program's name and version, two credit lines and two
// links that open in the desktop's browser. Created once, hidden, and shown
// modally from the main window's Help menu.

#include <QDialog>

class Button;
class LinkLabel;
class QFrame;
class QLabel;

class TAboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutBox(QWidget *parent = nullptr);

    void URLClick(QObject *sender);

    // The colour of a link never clicked, and of one visited.
    [[nodiscard]] static QColor linkColor();
    [[nodiscard]] static QColor visitedColor();

    QFrame *Panel1 = nullptr;        // the bevelled panel
    QLabel *ProgramIcon = nullptr;   // the program's icon
    QLabel *ProductName = nullptr;   // name and edition
    QLabel *Version = nullptr;       // version
    QLabel *Copyright = nullptr;     // credit of the program's authors
    LinkLabel *URL_Tool = nullptr;   // the program's home page
    QLabel *Comments = nullptr;      // credit of the game system
    LinkLabel *URL_System = nullptr; // the publisher's site
    Button *OKButton = nullptr;      // "OK", the default button

protected:
    void showEvent(QShowEvent *event) override;
};
