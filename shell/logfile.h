#pragma once

#include <QFile>
#include <QString>

// The log kept on disk while it is written: each line is appended in UTF-8
// with "\n" and handed to the system at once, so a kill or a crash loses
// nothing the log already showed.
class LogFile
{
public:
    // Opens the file for appending, creating it when missing. Raises the open
    // error with the name as given.
    explicit LogFile(const QString &fileName);

    // Appends one line. A line that cannot be written closes the file, so
    // that the failure is reported once, and raises the open error; later
    // lines are dropped.
    void append(const QString &line);

    [[nodiscard]] bool isOpen() const { return m_file.isOpen(); }

private:
    QString m_fileName;
    QFile m_file;
};
