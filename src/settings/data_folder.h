#pragma once

#include <QString>

namespace vinylix {

// The program's reverse-DNS id: the name of its desktop entry, its AppStream metadata and its
// icon in the desktop's icon theme ("org.example.vinylix").
inline const QString application_id = QStringLiteral(VINYLIX_APPLICATION_ID);

// Where the catalogue, the settings file and the preview lists live, and what start-up did there.
struct DataFolder {
    QString path;
    bool is_program_folder = false; // the program's own folder (a build folder, a portable copy)
    bool catalogue_created = false; // an empty catalogue was written there on this start
    QString error;                  // why the folder or its first catalogue could not be made
};

// Decides the folder that holds the program's files.
// - The program's folder, as it always was, when the program runs from a folder the user may
//   write (a build folder, a portable copy). Nothing is created there: a missing catalogue is
//   reported when it is opened.
// - The user's data folder (`user_data_folder`, e.g. ~/.local/share/vinylix) when the program's
//   folder is read-only (no write permission, or marked read-only with chmod a-w, which counts
//   even for the administrator), or when the program is installed: its desktop entry lies in
//   ../share/applications/ beside the program's folder, as in /usr/bin and
//   /usr/share/applications. The folder is made when missing, and on first start an empty
//   catalogue is written there in one step (a half-written catalogue is never left behind).
//   Whatever file is already there, damaged or unreadable, is left byte for byte.
// Example: ("/usr/bin", "/home/ann/.local/share/vinylix") gives the second folder, holding a new
// empty "Vinylix.vnx" the first time; ("/home/ann/vinylix-build", ...) gives the first.
DataFolder choose_data_folder(const QString& program_folder, const QString& user_data_folder);

// The folder choose_data_folder picks, making nothing there: for a command that only reads.
QString data_folder_path(const QString& program_folder, const QString& user_data_folder);

} // namespace vinylix
