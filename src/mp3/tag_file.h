#pragma once

#include "file_stamp.h"
#include "id3v1_tag.h"

#include <QString>
#include <functional>
#include <optional>
#include <utility>

namespace vinylix {

// The tag record the tag editor works on, and whether the last file read had a tag.
struct SharedTag {
    Id3v1Tag record;
    bool tag_present = false;
};

// The tag at the end of the file at `path`, its texts read in `page`; empty when the file has
// none, is shorter than a tag, is not a regular file or cannot be read.
std::optional<Id3v1Tag> read_id3v1_tag(const QString& path, CodePage page = default_code_page);

// Reads the tag of `path` into `shared`: the file's tag and the flag set, or the empty record
// (blank fields, genre 255) and the flag cleared.
void read_tag(const QString& path, SharedTag& shared, CodePage page = default_code_page);

// What one tag write changed in a file, enough to take it back and to make it again, each only
// while the file stands exactly as the last of them left it.
struct TagRewrite {
    QString path;
    qint64 size = 0;     // the file's length before the write
    QByteArray replaced; // the 128 bytes of the tag the write replaced; empty when it appended one
    QByteArray tag;      // the 128 bytes written
    bool taken_back = false;
    FileStamp left;       // the file as the write, or taking it back, left it
    QByteArray left_tail; // its last 128 bytes then (all of it when it is shorter)
};

// The outcome of a tag write. `description` is the system's words when the write failed;
// `stamp` is the file's stamp once written, `rewrite` what the write changed.
struct TagWriteResult {
    enum class Kind {
        Written,
        WriteProtected, // marked read-only, or the user may not write it
        Changed,        // not the file that was listed or read any more: changed, replaced or gone
        Other,
    };
    Kind kind = Kind::Written;
    QString description;
    std::optional<FileStamp> stamp;
    std::optional<TagRewrite> rewrite;

    TagWriteResult() = default;
    TagWriteResult(Kind kind, QString description, std::optional<FileStamp> stamp = std::nullopt)
        : kind(kind), description(std::move(description)), stamp(stamp) {}

    bool ok() const { return kind == Kind::Written; }
};

// Makes the tag to write from the file's own tag (the empty record when the file has none).
using TagChange = std::function<Id3v1Tag(const Id3v1Tag& current)>;

// Reads the tag of the regular file at `path` and writes what `change` makes of it, its texts
// read and written in `page`, both on one open file and from one size: over the fields of the tag
// the file has, else appended as a new 128-byte tag. Bytes before the tag never change, and a
// failed write puts the file back as it was. A file marked read-only (no write permission for
// anyone, which even the superuser respects here) or one the user may not write is write protected;
// a missing file is never created. Given `listed`, the stamp the file had when it was listed, a
// file that is no longer that one (its stamp differs, it is gone, or a folder or FIFO took its
// place) is Changed and left alone. So is a file another program cuts short or rewrites between
// the read and the write: the write never makes a file longer than it was found (plus the
// appended tag), and is Written only when reading the file back gives exactly what was meant.
TagWriteResult change_tag(const QString& path, const TagChange& change,
                          const std::optional<FileStamp>& listed = std::nullopt,
                          CodePage page = default_code_page);

// Takes a tag write back: the 128 bytes it replaced go back, or the tag it appended is cut off
// so that the file has its old length. Only while the file is exactly as the write left it
// (its stamp and last 128 bytes): otherwise it is Changed and left alone. Checked by reading
// the file back, as a write is.
TagWriteResult take_back_tag(TagRewrite& rewrite);

// Writes the tag again, only while the file is exactly as take_back_tag left it.
TagWriteResult write_tag_again(TagRewrite& rewrite);

// Writes `record` as the tag of the file at `path`, its texts in `page`, as change_tag does.
TagWriteResult write_tag(const QString& path, const Id3v1Tag& record,
                         CodePage page = default_code_page);

} // namespace vinylix
