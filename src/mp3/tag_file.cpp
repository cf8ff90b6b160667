#include "tag_file.h"

#include "regular_file.h"

#include <QFile>
#include <QFileInfo>

namespace vinylix {

namespace {

bool has_tag_at_end(QFile& file) {
    const qint64 length = file.size();
    return length >= Id3v1Tag::size && file.seek(length - Id3v1Tag::size) &&
           file.read(Id3v1Tag::body_offset) == "TAG";
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

TagWriteResult open_failure(const QFile& file, const QString& path) {
    const QFileInfo info(path);
    if (info.exists() && !info.isWritable())
        return {TagWriteResult::Kind::WriteProtected, file.errorString()};
    return {TagWriteResult::Kind::Other, file.errorString()};
}

// Overwrites the fields of the tag already in the file, putting the old bytes back on failure.
// Returns the system's description of a failure; empty when written.
QString overwrite_fields(QFile& file, const QByteArray& tag) {
    const qint64 at = file.size() - Id3v1Tag::size + Id3v1Tag::body_offset;
    const QByteArray fields = tag.sliced(Id3v1Tag::body_offset);
    const QByteArray old = file.seek(at) ? file.read(fields.size()) : QByteArray();
    if (old.size() != fields.size())
        return file.errorString();
    if (write_at(file, at, fields))
        return {};
    const QString error = file.errorString();
    write_at(file, at, old);
    return error;
}

// Appends the whole tag, cutting the file back to its old length on failure. Returns the
// system's description of a failure; empty when written.
QString append_tag(QFile& file, const QByteArray& tag) {
    const qint64 length = file.size();
    if (write_at(file, length, tag))
        return {};
    const QString error = file.errorString();
    file.resize(length);
    return error;
}

} // namespace

std::optional<Id3v1Tag> read_id3v1_tag(const QString& path) {
    QFile file(path);
    if (!open_regular_file(file, QIODevice::ReadOnly) || file.size() < Id3v1Tag::size ||
        !file.seek(file.size() - Id3v1Tag::size))
        return std::nullopt;
    return Id3v1Tag::parse(file.read(Id3v1Tag::size));
}

void read_tag(const QString& path, SharedTag& shared) {
    const auto tag = read_id3v1_tag(path);
    shared.tag_present = tag.has_value();
    shared.record = tag.value_or(Id3v1Tag{});
}

TagWriteResult write_tag(const QString& path, const Id3v1Tag& record) {
    const QFileInfo info(path);
    constexpr auto write_bits =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (info.isFile() && !(info.permissions() & write_bits))
        return {TagWriteResult::Kind::WriteProtected, QStringLiteral("Permission denied")};
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered))
        return open_failure(file, path);
    const QByteArray tag = record.render();
    const QString error =
        has_tag_at_end(file) ? overwrite_fields(file, tag) : append_tag(file, tag);
    if (!error.isEmpty())
        return {TagWriteResult::Kind::Other, error};
    return {};
}

} // namespace vinylix
