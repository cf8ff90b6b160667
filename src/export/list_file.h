#pragma once

#include "store/whole_file.h"

#include <QByteArray>
#include <QString>
#include <functional>

namespace vinylix {

// The outcome of writing a list file; `reason` says why it was not written.
struct ListFileResult {
    enum class Kind { Written, Stopped, Failed };
    Kind kind = Kind::Written;
    QString reason;

    bool ok() const { return kind == Kind::Written; }
};

// Makes a list's bytes and hands them to `sink`; false when it stopped or the sink refused.
using ListMaker = std::function<bool(const FileSink& sink)>;

// Writes the bytes `make` hands over as the whole file at `path` (write_whole_file): an old
// file there is replaced only once every byte is written, so a failed or stopped write leaves
// it byte for byte. Refused, with the reason as a sentence: no path ("No file name was
// given."), a folder or another kind of non-regular file in its place, a missing folder, a file
// or folder marked read-only (no write permission for anyone, which is respected even where
// the superuser could override it), no permission, a full disk (the system's words). When
// `make` stops by itself the result is Stopped.
ListFileResult write_list_file(const QString& path, const ListMaker& make);

// The same for bytes made beforehand.
ListFileResult write_list_file(const QString& path, const QByteArray& contents);

} // namespace vinylix
