#pragma once

#include "controls/handler.h"

#include <QCheckBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

// Buttons whose handlers run by the rules of the program rather than by Qt's
// signals: a handler started from code runs directly, so an error in it ends
// the handler that started it; a handler started by the user runs guarded.

class QMenu;

class Button : public QPushButton
{
    Q_OBJECT

public:
    explicit Button(const QString &caption, QWidget *parent = nullptr);

    void setOnClick(Handler handler) { m_onClick = std::move(handler); }
    // Runs the click handler, even while the button is disabled.
    void runClick();

private:
    Handler m_onClick;
};

class CheckBox : public QCheckBox
{
    Q_OBJECT

public:
    explicit CheckBox(const QString &caption, QWidget *parent = nullptr);

    void setOnClick(Handler handler) { m_onClick = std::move(handler); }
    // Runs the click handler only when the state changes.
    void setCheck(bool checked);

private:
    Handler m_onClick;
};

// Checking a radio button unchecks the others of the same parent without
// running their handlers, then runs its own; checking one that is already
// checked runs nothing.
class RadioButton : public QRadioButton
{
    Q_OBJECT

public:
    explicit RadioButton(const QString &caption, QWidget *parent = nullptr);

    void setOnClick(Handler handler) { m_onClick = std::move(handler); }
    void setCheck();

private:
    bool m_fromCode = false;
    Handler m_onClick;
};

// A one-line text field; its change handler runs on every change of the
// text, by typing or from code.
class EditField : public QLineEdit
{
    Q_OBJECT

public:
    explicit EditField(QWidget *parent = nullptr);

    void setOnChange(Handler handler) { m_onChange = std::move(handler); }
    void setFieldText(const QString &text);

private:
    Handler m_onChange;
};

// Gives a button one text as its tool tip and as its accessible description,
// so that a screen reader reads what the mouse shows. A text that looks like
// markup (an enemy named "<b>") is shown as typed.
void describe(QWidget *button, const QString &text);

// Adds an entry to a menu, named and with its shortcut. Its handler, if it
// has one, runs guarded whenever the entry is triggered, from the menu or by
// its shortcut, with the action as the sender.
QAction *addMenuEntry(QMenu *menu, const QString &name, const QString &caption, const QKeySequence &shortcut = {},
                      const Handler &execute = {});
