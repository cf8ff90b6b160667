#pragma once

#include <QFile>
#include <QString>

namespace vinylix {

// Opens `file` (whose name is already set) with `mode` only when the path names a regular file.
// A FIFO, socket, device or folder is refused at once, without blocking and without reading a
// byte of it: opening a FIFO for reading would otherwise wait for a writer forever. The check
// and the open are one step on one descriptor, so the file cannot be swapped in between, and
// `file.size()` afterwards is the size of that very file. A file is never created.
// On refusal or failure returns false, leaves `file` closed and puts the system's words for
// the reason in `error` when given ("Not a regular file" for a FIFO or a folder).
bool open_regular_file(QFile& file, QIODevice::OpenMode mode, QString* error = nullptr);

// The same for a path given as the bytes the system names it by (a folder listing's bytes), so a
// file whose name is not valid in the system's encoding opens too. `file` needs no name.
bool open_regular_file(QFile& file, const QByteArray& native_path, QIODevice::OpenMode mode,
                       QString* error = nullptr);

} // namespace vinylix
