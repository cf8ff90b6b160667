#include "song_listing.h"

#include "mp3/folder_listing.h"
#include "mp3/frame_header.h"
#include "mp3/regular_file.h"

#include <QFileInfo>

namespace vinylix {

QString listed_name(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    if (name.size() < 4)
        return name;
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot > 0 ? name.left(dot) : name;
}

bool is_mp3_file(const QString& path) {
    if (has_mp3_name(path))
        return true;
    QFile file(path);
    return open_regular_file(file, QIODevice::ReadOnly) && starts_with_mpeg_audio(file);
}

QList<ListedFile> list_files(const QStringList& paths, QStringList* left_out) {
    QList<ListedFile> files;
    files.reserve(paths.size());
    for (const QString& path : paths) {
        const auto stamp = stamp_of(path);
        if (stamp && is_mp3_file(path))
            files.append({path, listed_name(path), *stamp});
        else if (left_out)
            left_out->append(path);
    }
    return files;
}

} // namespace vinylix
