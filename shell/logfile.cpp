#include "shell/logfile.h"

#include "rules/apperror.h"

LogFile::LogFile(const QString &fileName)
    : m_fileName(fileName)
    , m_file(fileName)
{
    // Binary mode: lines end in "\n" on every system.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append))
        throw AppError::fileOpen(m_fileName);
}

void LogFile::append(const QString &line)
{
    if (!m_file.isOpen())
        return;
    const QByteArray bytes = line.toUtf8() + '\n';
    if (m_file.write(bytes) != bytes.size() || !m_file.flush()) {
        m_file.close();
        throw AppError::fileOpen(m_fileName);
    }
}
