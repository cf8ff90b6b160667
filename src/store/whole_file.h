#pragma once

#include <QByteArrayView>
#include <QFileDevice>
#include <QString>
#include <functional>

namespace vinylix {

// Writes `bytes` as the whole new content of the file at `path`, in one piece: into a temporary
// file beside it, then renamed over the old file only when every byte has reached it. On any
// failure (no permission, a folder in its place, a full disk, a file-size limit) the old file
// stays byte for byte and `error` holds the system's words for the reason.
// Use this, not a plain buffered QSaveFile: a buffered QSaveFile commits a file cut short when
// the disk fills while it flushes.
bool write_whole_file(const QString& path, QByteArrayView bytes, QString* error);

// True when a file or folder with these permissions has no write bit for anyone (chmod a-w).
// The program then leaves it as it is, also where it could write it all the same (as root).
// The permissions of an open QFile are its own, read through its handle.
constexpr bool marked_read_only(QFileDevice::Permissions permissions) {
    return !(permissions &
             (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther));
}

// The same for the file or folder at `path`.
bool marked_read_only(const QString& path);

// Takes the next piece of a file being written; false when it could not be written.
using FileSink = std::function<bool(QByteArrayView piece)>;

// The same for a file made piece by piece, so that a large one is never held whole: `make`
// hands its bytes to the sink it is given, in order, and answers false to give up. The old
// file is replaced only when `make` answers true and every byte was written. When `make` gives
// up by itself (its sink never refused) the old file stays and `error` is left empty.
bool write_whole_file(const QString& path, const std::function<bool(const FileSink&)>& make,
                      QString* error);

} // namespace vinylix
