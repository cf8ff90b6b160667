#include "file_stamp.h"

#include <sys/stat.h>

namespace vinylix {

namespace {

std::optional<FileStamp> regular_stamp(const struct stat& info) {
    if (!S_ISREG(info.st_mode))
        return std::nullopt;
    return FileStamp{static_cast<quint64>(info.st_dev), static_cast<quint64>(info.st_ino),
                     static_cast<qint64>(info.st_size),
                     static_cast<qint64>(info.st_mtim.tv_sec) * 1'000'000'000 +
                         info.st_mtim.tv_nsec};
}

} // namespace

std::optional<FileStamp> stamp_of(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return regular_stamp(info);
}

std::optional<FileStamp> stamp_of(const QFile& file) {
    struct stat info {};
    if (file.handle() < 0 || ::fstat(file.handle(), &info) != 0)
        return std::nullopt;
    return regular_stamp(info);
}

} // namespace vinylix
