#include "controls/errordisplay.h"

#include "rules/apperror.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <exception>

namespace {

ErrorDisplay::Sink &sink()
{
    static ErrorDisplay::Sink s;
    return s;
}

struct AfterEntries
{
    const QObject *owner;
    std::function<void()> listener;
};
QList<AfterEntries> &afterEntries()
{
    static QList<AfterEntries> listeners;
    return listeners;
}

// How many guarded() entries are running, one inside the other.
int entryDepth = 0;

} // namespace

QString ErrorDisplay::captionFor(const QString &executablePath)
{
    QString name = QFileInfo(executablePath).fileName();
    const qsizetype dot = name.indexOf(u'.');
    if (dot >= 0)
        name.truncate(dot);
    if (name.size() > 1)
        name = name.left(1) + name.mid(1).toLower();
    return name;
}

QString ErrorDisplay::textFor(const QString &message)
{
    return AppError::shownText(message);
}

ErrorReport ErrorDisplay::reportFor(const QString &message)
{
    return {captionFor(QCoreApplication::applicationFilePath()), textFor(message), QMessageBox::Critical};
}

void ErrorDisplay::setSink(Sink s)
{
    sink() = std::move(s);
}

void ErrorDisplay::show(const QString &message)
{
    const ErrorReport report = reportFor(message);
    if (sink()) {
        sink()(report);
        return;
    }
    QMessageBox box(report.icon, report.caption, report.text, QMessageBox::Ok, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void addAfterEntries(const QObject *owner, std::function<void()> listener)
{
    removeAfterEntries(owner);
    afterEntries().append({owner, std::move(listener)});
}

void removeAfterEntries(const QObject *owner)
{
    afterEntries().removeIf([owner](const AfterEntries &entry) { return entry.owner == owner; });
}

void guarded(const std::function<void()> &entry) noexcept
{
    ++entryDepth;
    // Showing an error can itself fail (no memory); the program still must
    // not let anything escape into the event loop.
    try {
        try {
            entry();
        } catch (const AppError &error) {
            ErrorDisplay::show(error.message());
        } catch (const std::exception &error) {
            ErrorDisplay::show(QString::fromLocal8Bit(error.what()));
        } catch (...) {
            ErrorDisplay::show(QStringLiteral("Unexpected error"));
        }
    } catch (...) {
    }
    --entryDepth;
    if (entryDepth > 0)
        return;
    // A listener may add or remove listeners (a window it closes may go):
    // this round runs those there were when it began and still are.
    const QList<AfterEntries> listeners = afterEntries();
    for (const AfterEntries &entry : listeners) {
        const auto still = [&entry](const AfterEntries &now) { return now.owner == entry.owner; };
        if (std::none_of(afterEntries().cbegin(), afterEntries().cend(), still))
            continue;
        try {
            entry.listener();
        } catch (...) {
        }
    }
}
