#pragma once

#include <QByteArray>
#include <QString>

namespace vinylix {

// The outcome of writing a list file; `reason` says why it was not written.
struct ListFileResult {
    bool ok = true;
    QString reason;
};

// Writes `contents` as the whole file at `path`. An old file there is replaced only once every
// byte is written and flushed, so a failed write leaves it byte for byte. Refused, with the
// reason: no path, a folder or another kind of non-regular file in its place ("it is a folder"),
// a missing folder, a file or folder marked read-only (no write permission for anyone, which
// even the superuser's writes respect here), no permission, a full disk ("the disk is full").
ListFileResult write_list_file(const QString& path, const QByteArray& contents);

} // namespace vinylix
