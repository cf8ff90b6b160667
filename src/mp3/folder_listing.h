#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <vector>

namespace vinylix {

// One entry of a folder: the path the system knows it by, as bytes, and its own name as text.
// The bytes open the entry even when its name is not valid in the system's encoding; the text
// (QFile::decodeName) is for showing and matching.
struct FolderEntry {
    QByteArray path;
    QString name;
};

// The visible entries of one folder, each kind in case-insensitive name order, as folder lists
// show them: "b", "C", "d". Folders include links to folders; files are regular files and links
// to them. Hidden entries (names starting with "."), broken links, FIFOs, sockets and devices are
// left out.
struct FolderContents {
    std::vector<FolderEntry> folders;
    std::vector<FolderEntry> files;
};

// Lists the folder at `native_path` (bytes as QFile::encodeName gives them); empty when the
// folder cannot be read.
std::optional<FolderContents> list_folder(const QByteArray& native_path);

// Whether a file's name makes it an MP3 file where folders are read (the import, "Names from a
// folder"): it ends in ".mp3", in any letter case. "b.MP3" is one, "album.m3u" is not.
bool has_mp3_name(QStringView name);

// The names of the MP3 files of a folder, in the order list_folder gives: a folder holding
// "b.MP3", "a.mp3", "cover.jpg" and "album.m3u" gives "a.mp3" and "b.MP3". Empty when the folder
// cannot be read.
QStringList mp3_file_names(const QString& folder);

} // namespace vinylix
