#include "tag_file.h"

#include "regular_file.h"

#include "store/whole_file.h"

#include <QFileInfo>

namespace vinylix {

namespace {

using Kind = TagWriteResult::Kind;

// The last 128 bytes of a file of `size` bytes; empty when it is shorter or cannot be read.
QByteArray read_last128(QFile& file, qint64 size) {
    if (size < Id3v1Tag::size || !file.seek(size - Id3v1Tag::size))
        return {};
    QByteArray bytes = file.read(Id3v1Tag::size);
    return bytes.size() == Id3v1Tag::size ? bytes : QByteArray();
}

// Writes `bytes` at `at`; true when every byte reached the file. A short write is followed by
// another, so that a failure leaves the system's description in the file's error text.
bool write_at(QFile& file, qint64 at, QByteArrayView bytes) {
    if (!file.seek(at))
        return false;
    while (!bytes.isEmpty()) {
        const qint64 written = file.write(bytes.data(), bytes.size());
        if (written <= 0)
            return false;
        bytes = bytes.sliced(written);
    }
    return file.flush();
}

// The size of the file `file` has open now; -1 when it cannot be told.
qint64 size_now(const QFile& file) {
    const std::optional<FileStamp> stamp = stamp_of(file);
    return stamp ? stamp->size : -1;
}

// Overwrites the fields of the tag that ends the file of `size` bytes, putting `old`, its 128
// bytes, back on failure while the file still has that size (putting them back into a file
// another program cut short would make it longer again). Returns the system's description of a
// failure; empty when written.
QString overwrite_fields(QFile& file, qint64 size, const QByteArray& old, const QByteArray& tag) {
    const qint64 at = size - Id3v1Tag::size + Id3v1Tag::body_offset;
    if (write_at(file, at, tag.sliced(Id3v1Tag::body_offset)))
        return {};
    const QString error = file.errorString();
    if (size_now(file) == size)
        write_at(file, at, old.sliced(Id3v1Tag::body_offset));
    return error;
}

// Appends the whole tag to the file of `size` bytes, cutting what was appended off again on
// failure. Returns the system's description of a failure; empty when written.
QString append_tag(QFile& file, qint64 size, const QByteArray& tag) {
    if (write_at(file, size, tag))
        return {};
    const QString error = file.errorString();
    if (size_now(file) > size)
        file.resize(size);
    return error;
}

// Whether the file ends exactly as the write meant: `size` bytes before it, plus the tag when it
// was appended, ending in `tail` (the bytes read before the tag and the tag, or the tag alone).
bool ends_as_meant(QFile& file, qint64 size, const QByteArray& tail) {
    return size_now(file) == size && file.seek(size - tail.size()) &&
           file.read(tail.size()) == tail;
}

// The last 128 bytes of a file of `size` bytes, or all of it when it is shorter.
QByteArray read_tail(QFile& file, qint64 size) {
    const qint64 length = std::min<qint64>(size, Id3v1Tag::size);
    return file.seek(size - length) ? file.read(length) : QByteArray();
}

// Notes the file as the program leaves it, for the next step of the rewrite.
TagWriteResult leave(QFile& file, TagRewrite& rewrite) {
    const std::optional<FileStamp> stamp = stamp_of(file);
    if (!stamp)
        return {Kind::Other, file.errorString()};
    rewrite.left = *stamp;
    rewrite.left_tail = read_tail(file, stamp->size);
    TagWriteResult written(Kind::Written, {}, stamp);
    written.rewrite = rewrite;
    return written;
}

QString changed_meanwhile() {
    return QStringLiteral("Another program changed the file while its tag was written");
}

TagWriteResult open_failure(const QString& path, const QString& why, bool listed) {
    const QFileInfo info(path);
    if (!info.isFile())
        return {listed ? Kind::Changed : Kind::Other, why};
    if (!info.isWritable())
        return {Kind::WriteProtected, why};
    return {Kind::Other, why};
}

} // namespace

std::optional<Id3v1Tag> read_id3v1_tag(const QString& path, CodePage page) {
    QFile file(path);
    if (!open_regular_file(file, QIODevice::ReadOnly))
        return std::nullopt;
    return Id3v1Tag::parse(read_last128(file, file.size()), page);
}

void read_tag(const QString& path, SharedTag& shared, CodePage page) {
    const auto tag = read_id3v1_tag(path, page);
    shared.tag_present = tag.has_value();
    shared.record = tag.value_or(Id3v1Tag{});
}

TagWriteResult change_tag(const QString& path, const TagChange& change,
                          const std::optional<FileStamp>& listed, CodePage page) {
    QFile file(path);
    QString why;
    if (!open_regular_file(file, QIODevice::ReadWrite | QIODevice::Unbuffered, &why))
        return open_failure(path, why, listed.has_value());
    const std::optional<FileStamp> stamp = stamp_of(file);
    if (!stamp)
        return {Kind::Other, file.errorString()};
    if (listed && *stamp != *listed)
        return {Kind::Changed, QStringLiteral("The file changed since it was listed")};
    if (marked_read_only(file.permissions()))
        return {Kind::WriteProtected, QStringLiteral("Permission denied")};
    const qint64 size = stamp->size; // the one size every step below works from
    const QByteArray last128 = read_last128(file, size);
    if (size >= Id3v1Tag::size && last128.isEmpty())
        return {Kind::Other, file.errorString()};
    const std::optional<Id3v1Tag> current = Id3v1Tag::parse(last128, page);
    const QByteArray tag = change(current.value_or(Id3v1Tag{})).render(page);
    // Another program may have cut the file short or rewritten it since it was read: writing at
    // the old end would then make it longer again, with a tag that lost its marker.
    if (stamp_of(file) != stamp)
        return {Kind::Changed, changed_meanwhile()};
    const QString error =
        current ? overwrite_fields(file, size, last128, tag) : append_tag(file, size, tag);
    if (!error.isEmpty())
        return {Kind::Other, error};
    const bool appended = !current;
    if (!ends_as_meant(file, size + (appended ? Id3v1Tag::size : 0),
                       appended ? last128 + tag : tag))
        return {Kind::Changed, changed_meanwhile()};
    TagRewrite rewrite;
    rewrite.path = path;
    rewrite.size = size;
    rewrite.replaced = appended ? QByteArray() : last128;
    rewrite.tag = tag;
    return leave(file, rewrite);
}

namespace {

// Opens the file of `rewrite` for writing when it is exactly as the program left it.
TagWriteResult open_as_left(QFile& file, const TagRewrite& rewrite) {
    QString why;
    if (!open_regular_file(file, QIODevice::ReadWrite | QIODevice::Unbuffered, &why))
        return open_failure(rewrite.path, why, true);
    if (stamp_of(file) != rewrite.left || read_tail(file, rewrite.left.size) != rewrite.left_tail)
        return {Kind::Changed, QStringLiteral("The file changed since its tag was written")};
    if (marked_read_only(file.permissions()))
        return {Kind::WriteProtected, QStringLiteral("Permission denied")};
    return {};
}

} // namespace

TagWriteResult take_back_tag(TagRewrite& rewrite) {
    QFile file(rewrite.path);
    if (TagWriteResult opened = open_as_left(file, rewrite); !opened.ok())
        return opened;
    const bool appended = rewrite.replaced.isEmpty();
    QString error;
    if (appended)
        error = file.resize(rewrite.size) ? QString() : file.errorString();
    else
        error = overwrite_fields(file, rewrite.size, rewrite.tag, rewrite.replaced);
    if (!error.isEmpty())
        return {Kind::Other, error};
    if (!ends_as_meant(file, rewrite.size, rewrite.replaced))
        return {Kind::Changed, changed_meanwhile()};
    rewrite.taken_back = true;
    return leave(file, rewrite);
}

TagWriteResult write_tag_again(TagRewrite& rewrite) {
    QFile file(rewrite.path);
    if (TagWriteResult opened = open_as_left(file, rewrite); !opened.ok())
        return opened;
    const bool appended = rewrite.replaced.isEmpty();
    const QString error = appended
                              ? append_tag(file, rewrite.size, rewrite.tag)
                              : overwrite_fields(file, rewrite.size, rewrite.replaced, rewrite.tag);
    if (!error.isEmpty())
        return {Kind::Other, error};
    if (!ends_as_meant(file, rewrite.size + (appended ? Id3v1Tag::size : 0), rewrite.tag))
        return {Kind::Changed, changed_meanwhile()};
    rewrite.taken_back = false;
    return leave(file, rewrite);
}

TagWriteResult write_tag(const QString& path, const Id3v1Tag& record, CodePage page) {
    return change_tag(
        path, [&record](const Id3v1Tag&) { return record; }, std::nullopt, page);
}

} // namespace vinylix
