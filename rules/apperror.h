#pragma once

#include <QString>

#include <exception>

// The program's one error type. Handlers let it propagate; the guard at the
// event-loop entry shows its message in the error display and the program
// goes on.
class AppError : public std::exception
{
public:
    explicit AppError(QString message);

    [[nodiscard]] const QString &message() const noexcept { return m_message; }
    [[nodiscard]] const char *what() const noexcept override { return m_utf8.constData(); }

    // A file that cannot be opened; name as it was asked for.
    [[nodiscard]] static AppError fileOpen(const QString &name);
    // A file that cannot be written; name as it was asked for.
    [[nodiscard]] static AppError fileWrite(const QString &name);
    // A text that is not an integer, shortened as the windows show texts.
    [[nodiscard]] static AppError notInteger(const QString &text);
    // A list entry that does not exist.
    [[nodiscard]] static AppError listIndex(qint64 index);

    // The message as the error display shows it: with "." appended when its
    // last character sorts after ".".
    [[nodiscard]] static QString shownText(const QString &message);

private:
    QString m_message;
    QByteArray m_utf8;
};
