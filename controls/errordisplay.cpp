#include "controls/errordisplay.h"

#include "rules/apperror.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>

#include <exception>

namespace {

ErrorDisplay::Sink &sink()
{
    static ErrorDisplay::Sink s;
    return s;
}

std::function<void()> &afterEntries()
{
    static std::function<void()> hook;
    return hook;
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

void setAfterEntries(std::function<void()> hook)
{
    afterEntries() = std::move(hook);
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
    if (entryDepth == 0 && afterEntries()) {
        try {
            afterEntries()();
        } catch (...) {
        }
    }
}
