#include "list_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace vinylix {

namespace {

constexpr auto write_bits =
    QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;

bool marked_read_only(const QFileInfo& info) {
    return !(info.permissions() & write_bits);
}

// Why the file at `path` cannot be written, found before anything is written; empty when
// nothing stands in the way.
QString obstacle(const QString& path) {
    if (path.isEmpty())
        return QStringLiteral("no file name was given");
    const QFileInfo file(path);
    if (file.isDir())
        return QStringLiteral("it is a folder");
    if (file.exists() && !file.isFile())
        return QStringLiteral("it is not a regular file");
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir())
        return QStringLiteral("the folder \"%1\" does not exist")
            .arg(QDir::toNativeSeparators(folder.filePath()));
    if (file.exists() && marked_read_only(file))
        return QStringLiteral("the file is read-only");
    if (marked_read_only(folder))
        return QStringLiteral("the folder \"%1\" is read-only")
            .arg(QDir::toNativeSeparators(folder.filePath()));
    if (!folder.isWritable() || (file.exists() && !file.isWritable()))
        return QStringLiteral("you have no permission to write there");
    return {};
}

QString failure_of(const QSaveFile& file) {
    if (file.error() == QFileDevice::ResourceError) // what a write meeting a full disk says
        return QStringLiteral("the disk is full");
    return file.errorString();
}

// Writes every byte; a short write is followed by another, which then says why (a full disk
// gives a short write first and the error only on the next one).
bool write_all(QSaveFile& file, QByteArrayView bytes) {
    while (!bytes.isEmpty()) {
        const qint64 written = file.write(bytes.data(), bytes.size());
        if (written <= 0)
            return false;
        bytes = bytes.sliced(written);
    }
    return true;
}

} // namespace

ListFileResult write_list_file(const QString& path, const ListMaker& make) {
    using Kind = ListFileResult::Kind;
    if (const QString reason = obstacle(path); !reason.isEmpty())
        return {Kind::Failed, reason};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {Kind::Failed, failure_of(file)};
    QString write_failure;
    const ListSink to_file = [&](QByteArrayView piece) {
        if (write_all(file, piece))
            return true;
        write_failure = failure_of(file);
        return false;
    };
    if (!make(to_file)) {
        file.cancelWriting();
        if (write_failure.isEmpty())
            return {Kind::Stopped, {}};
        return {Kind::Failed, write_failure};
    }
    if (!file.commit())
        return {Kind::Failed, failure_of(file)};
    return {};
}

ListFileResult write_list_file(const QString& path, const QByteArray& contents) {
    return write_list_file(path, [&](const ListSink& sink) { return sink(contents); });
}

} // namespace vinylix
