#pragma once

#include "id3v1_tag.h"

#include <QString>
#include <optional>

namespace vinylix {

// The tag record the tag editor works on, and whether the last file read had a tag.
struct SharedTag {
    Id3v1Tag record;
    bool tag_present = false;
};

// The tag at the end of the file at `path`; empty when the file has none, is shorter than a
// tag or cannot be read.
std::optional<Id3v1Tag> read_id3v1_tag(const QString& path);

// Reads the tag of `path` into `shared`: the file's tag and the flag set, or the empty record
// (blank fields, genre 255) and the flag cleared.
void read_tag(const QString& path, SharedTag& shared);

// The outcome of a tag write; `description` is the system's text when the write failed.
struct TagWriteResult {
    enum class Kind { Written, WriteProtected, Other };
    Kind kind = Kind::Written;
    QString description;

    bool ok() const { return kind == Kind::Written; }
};

// Writes `record` as the tag of the file at `path`: over the fields of the tag the file already
// has, else appended as a new 128-byte tag. Bytes before the tag never change, and a failed
// write leaves the file as it was. A file marked read-only (no write permission for anyone,
// which even the superuser respects here) or one the user may not write is write protected; a
// missing file is not created.
TagWriteResult write_tag(const QString& path, const Id3v1Tag& record);

} // namespace vinylix
