#include "list_file.h"

#include <QDir>
#include <QFileInfo>

namespace vinylix {

namespace {

// Why the file at `path` cannot be written, found before anything is written; empty when
// nothing stands in the way.
QString obstacle(const QString& path) {
    if (path.isEmpty())
        return QStringLiteral("No file name was given.");
    const QFileInfo file(path);
    if (file.isDir())
        return QStringLiteral("A folder of that name is in its place.");
    if (file.exists() && !file.isFile())
        return QStringLiteral("It is not a regular file.");
    const QFileInfo folder(file.absolutePath());
    const QString folder_name = QDir::toNativeSeparators(folder.filePath());
    if (!folder.isDir())
        return QStringLiteral("The folder \"%1\" does not exist.").arg(folder_name);
    if (file.exists() && marked_read_only(file.permissions()))
        return QStringLiteral("The file is read-only.");
    if (marked_read_only(folder.permissions()))
        return QStringLiteral("The folder \"%1\" is read-only.").arg(folder_name);
    if (!folder.isWritable() || (file.exists() && !file.isWritable()))
        return QStringLiteral("You have no permission to write there.");
    return {};
}

// The system's words as a sentence.
QString sentence(QString words) {
    if (!words.isEmpty() && !words.endsWith(u'.'))
        words += u'.';
    return words;
}

} // namespace

ListFileResult write_list_file(const QString& path, const ListMaker& make) {
    using Kind = ListFileResult::Kind;
    if (const QString reason = obstacle(path); !reason.isEmpty())
        return {Kind::Failed, reason};
    QString error;
    if (write_whole_file(path, make, &error))
        return {};
    if (error.isEmpty())
        return {Kind::Stopped, {}};
    return {Kind::Failed, sentence(error)};
}

ListFileResult write_list_file(const QString& path, const QByteArray& contents) {
    return write_list_file(path, [&](const FileSink& sink) { return sink(contents); });
}

} // namespace vinylix
