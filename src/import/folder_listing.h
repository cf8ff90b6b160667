#pragma once

#include <QByteArray>
#include <QString>
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

} // namespace vinylix
