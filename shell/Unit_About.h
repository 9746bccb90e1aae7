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

    QFrame *Panel1 = nullptr;
    QLabel *ProgramIcon = nullptr;
    QLabel *ProductName = nullptr;
    QLabel *Version = nullptr;
    QLabel *Copyright = nullptr;
    LinkLabel *URL_Tool = nullptr;
    QLabel *Comments = nullptr;
    LinkLabel *URL_System = nullptr;
    Button *OKButton = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
};
