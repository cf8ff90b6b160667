#include "regular_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vinylix {

namespace {

int open_flags(QIODevice::OpenMode mode) {
    const int flags = O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
    if (!(mode & QIODevice::WriteOnly))
        return flags | O_RDONLY;
    return flags | ((mode & QIODevice::ReadOnly) ? O_RDWR : O_WRONLY);
}

bool refuse(QString* error, const QString& why) {
    if (error)
        *error = why;
    return false;
}

} // namespace

bool open_regular_file(QFile& file, QIODevice::OpenMode mode, QString* error) {
    return open_regular_file(file, QFile::encodeName(file.fileName()), mode, error);
}

bool open_regular_file(QFile& file, const QByteArray& native_path, QIODevice::OpenMode mode,
                       QString* error) {
    const int fd = ::open(native_path.constData(), open_flags(mode));
    if (fd < 0)
        return refuse(error, QString::fromLocal8Bit(std::strerror(errno)));
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return refuse(error, QStringLiteral("Not a regular file"));
    }
    // Reads and writes of a regular file never wait anyway; clear the flag all the same.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return refuse(error, file.errorString());
    }
    return true;
}

} // namespace vinylix
