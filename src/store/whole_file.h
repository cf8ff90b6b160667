#pragma once

#include <QByteArrayView>
#include <QString>

namespace vinylix {

// Writes `bytes` as the whole new content of the file at `path`, in one piece: into a temporary
// file beside it, then renamed over the old file only when every byte has reached it. On any
// failure (no permission, a folder in its place, a full disk, a file-size limit) the old file
// stays byte for byte and `error` holds the system's words for the reason.
// Use this, not a plain buffered QSaveFile: a buffered QSaveFile commits a file cut short when
// the disk fills while it flushes.
bool write_whole_file(const QString& path, QByteArrayView bytes, QString* error);

} // namespace vinylix
