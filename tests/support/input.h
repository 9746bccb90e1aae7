#pragma once

#include <QMetaObject>
#include <QPoint>

#include <functional>
#include <optional>

class ChoiceBox;
class QAbstractButton;
class QDialog;
class QLineEdit;
class QMenu;
class QString;
class QWidget;
class SpinField;

// What a user does to the controls, through real input events, and the one
// way tests work inside a modal dialog.

// Opens the list of a choice box and clicks entry `index`.
void pickEntry(ChoiceBox *box, int index);
// Clicks a check box or radio button on its indicator, where a click always
// lands whatever the length of its caption.
void clickOn(QAbstractButton *button);
// Types over the whole text of a field, a key at a time, as a user does who
// selects all and types: the typed text replaces the selection, and an
// empty text is typed as one Backspace.
void typeInto(QLineEdit *edit, const QString &text);
void typeInto(SpinField *field, const QString &text);

// Right-clicks a widget (a text field's viewport, for one) at `at`, or in its
// middle, and returns the menu that pops up, or nullptr.
QMenu *openContextMenu(QWidget *widget, std::optional<QPoint> at = std::nullopt);
// Clicks the entry of a menu that reads `text`; false when it has none.
bool clickMenuEntry(QMenu *menu, const QString &text);

// The control that holds the keyboard focus: the spin field, choice box or
// radio group around the part inside it that Qt focuses.
[[nodiscard]] QWidget *focusedControl();

// What whileModal() returns when no dialog came up, and when `inside` left it
// open (a failed check in it, say) so that it had to be closed here.
inline constexpr int NeverShown = -1;
inline constexpr int LeftOpen = -2;

// Runs `open`, which shows a modal dialog of the given type and waits for it.
// Once the dialog is the modal window, `inside` works in it and is expected
// to close it. Returns the dialog's result, NeverShown or LeftOpen.
int whileModal(const QMetaObject &type, const std::function<void()> &open,
               const std::function<void(QDialog *)> &inside);

template<typename Dialog>
int whileModal(const std::function<void()> &open, const std::function<void(Dialog *)> &inside)
{
    return whileModal(Dialog::staticMetaObject, open,
                      [&inside](QDialog *dialog) { inside(static_cast<Dialog *>(dialog)); });
}
