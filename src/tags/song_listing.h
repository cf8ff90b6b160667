#pragma once

#include "mp3/file_stamp.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace vinylix {

// One line of the tag editor's song list: the file's path, the name it is listed under and its
// stamp when it was listed (a file changed since then is not written).
struct ListedFile {
    QString path;
    QString name;
    FileStamp stamp;

    bool operator==(const ListedFile&) const = default;
};

// The name a file is listed under: its own name without its extension, wherever the file lies
// ("/music/a/Song 1.mp3" gives "Song 1", "/b/Live.at.home.mp3" gives "Live.at.home", "/b/Intro"
// gives "Intro"). A name shorter than four characters ("a.b"), or one whose only dot leads it
// (".mp3"), is listed whole.
QString listed_name(const QString& path);

// The regular files among `paths`, in their order, each with its listed name and stamp; folders,
// FIFOs, devices and missing paths are left out. No file is opened.
QList<ListedFile> list_files(const QStringList& paths);

} // namespace vinylix
