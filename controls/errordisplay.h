#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

// What the error display shows for one error.
struct ErrorReport
{
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Critical;
};

namespace ErrorDisplay {

// The caption: the executable's file name up to its first ".", with every
// character after the first in lower case.
[[nodiscard]] QString captionFor(const QString &executablePath);
// The text: the message, with "." appended when its last character sorts
// after ".".
[[nodiscard]] QString textFor(const QString &message);
[[nodiscard]] ErrorReport reportFor(const QString &message);

// Shows the message in a modal box with the stop icon and an OK button; every
// other window of the program is disabled while it is open.
void show(const QString &message);

// Tests read what the display would show instead of opening the box. An
// empty sink restores the box.
using Sink = std::function<void(const ErrorReport &)>;
void setSink(Sink sink);

} // namespace ErrorDisplay

// Runs one entry from the event loop (a click, a keystroke, a window's
// creation). The program's errors end the whole chain of handlers at the
// failing step and are shown here; nothing is ever thrown into Qt.
void guarded(const std::function<void()> &entry) noexcept;

// Listeners that run once the outermost guarded() entry has ended, whether
// it failed or not, so that what shows the state the user's entries leave
// (the console's odds, the rating table) can keep itself current. One per
// owner, run in the order they were added; adding for an owner again
// replaces its listener. Whatever a listener throws is dropped.
void addAfterEntries(const QObject *owner, std::function<void()> listener);
void removeAfterEntries(const QObject *owner);
