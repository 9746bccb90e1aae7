#include "rules/filereading.h"

#include <QFile>
#include <QScopeGuard>

#ifdef Q_OS_WIN
#include <QDir>

#include <windows.h>
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
    // Others may read the table while it is open but not write it. A folder
    // does not open without backup semantics; a device (NUL, CON) or a pipe
    // opens and is refused by its type.
    const QString nativeName = QDir::toNativeSeparators(fileName);
    const HANDLE file = CreateFileW(reinterpret_cast<const wchar_t *>(nativeName.utf16()), GENERIC_READ,
                                    FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    const auto closeFile = qScopeGuard([file] { CloseHandle(file); });
    LARGE_INTEGER size;
    if (GetFileType(file) != FILE_TYPE_DISK || !GetFileSizeEx(file, &size) || size.QuadPart > limit)
        return std::nullopt;
    return readAtMost(limit, size.QuadPart, [file](char *data, qint64 wanted) -> qint64 {
        DWORD got = 0;
        if (!ReadFile(file, data, DWORD(wanted), &got, nullptr))
            return -1;
        return got;
    });
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
