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

// Whether the regular file at `path` is an MP3 file: its name ends in ".mp3" in any letter case
// ("Song.MP3"), or, whatever its name, it begins with MPEG audio (a frame header at its start or
// after a leading ID3v2 tag). "notes.txt" holding text is not; nor is what cannot be read.
bool is_mp3_file(const QString& path);

// The MP3 files among `paths`, in their order, each with its listed name and stamp. Folders,
// FIFOs, devices, missing paths and files that are not MP3 files are left out, and put in
// `left_out` in their order when it is given. Only files without the ".mp3" name are opened.
QList<ListedFile> list_files(const QStringList& paths, QStringList* left_out = nullptr);

} // namespace vinylix
