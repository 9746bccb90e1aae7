#include "rules/filereading.h"

#include <QFile>
#include <QScopeGuard>

#ifdef Q_OS_WIN
#include <QFileInfo>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// Reads through `read` (bytes read, 0 at the end, -1 on an error) until the
// end, refusing the text as soon as it passes `limit`; never asks for more
// than one byte beyond it.
template<typename Read>
std::optional<QByteArray> readAtMost(qint64 limit, qint64 sizeHint, Read read)
{
    QByteArray bytes;
    bytes.reserve(qMin(sizeHint, limit) + 1);
    char chunk[64 * 1024];
    for (;;) {
        const qint64 wanted = qMin(qint64(sizeof chunk), limit + 1 - bytes.size());
        const qint64 got = read(chunk, wanted);
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            return bytes;
        bytes.append(chunk, got);
        if (bytes.size() > limit)
            return std::nullopt;
    }
}

} // namespace

#ifdef Q_OS_WIN

std::optional<QByteArray> readRegularFile(const QString &fileName, qint64 limit)
{
    // A plain name in a folder cannot open a pipe on Windows, but a link can
    // still lead to a device or a folder.
    if (!QFileInfo(fileName).isFile())
        return std::nullopt;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.size() > limit)
        return std::nullopt;
    return readAtMost(limit, file.size(), [&](char *data, qint64 size) { return file.read(data, size); });
}

#else

std::optional<QByteArray> readRegularFile(const QString &fileName, qint64 limit)
{
    // Without O_NONBLOCK opening a named pipe waits for a writer forever.
    const int fd = ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    const auto closeFile = qScopeGuard([fd] { ::close(fd); });
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size > limit)
        return std::nullopt;
    return readAtMost(limit, status.st_size, [fd](char *data, qint64 size) -> qint64 {
        for (;;) {
            const ssize_t got = ::read(fd, data, size_t(size));
            if (got >= 0 || errno != EINTR)
                return got;
        }
    });
}

#endif
