#include "song_listing.h"

#include <QFileInfo>

namespace vinylix {

QString listed_name(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    if (name.size() < 4)
        return name;
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot > 0 ? name.left(dot) : name;
}

QList<ListedFile> list_files(const QStringList& paths) {
    QList<ListedFile> files;
    files.reserve(paths.size());
    for (const QString& path : paths) {
        if (const auto stamp = stamp_of(path))
            files.append({path, listed_name(path), *stamp});
    }
    return files;
}

} // namespace vinylix
