#pragma once

#include <QFile>
#include <QString>
#include <QtGlobal>
#include <optional>

namespace vinylix {

// Tells one state of a file from another: which file it is (device and inode), its size and its
// last modification to the nanosecond. A file rewritten, truncated, grown or replaced by another
// under the same name gets another stamp; reading a file leaves its stamp as it was.
struct FileStamp {
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modified_ns = 0;

    bool operator==(const FileStamp&) const = default;
};

// The stamp of the regular file at `path` (a link is followed), without opening it; empty when
// nothing is there or it is a folder, FIFO, socket or device.
std::optional<FileStamp> stamp_of(const QString& path);

// The stamp of the file `file` has open; empty when it is not open.
std::optional<FileStamp> stamp_of(const QFile& file);

} // namespace vinylix
