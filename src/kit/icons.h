#pragma once

#include <QIcon>
#include <QString>
#include <QStringList>

namespace vinylix {

// The picture of a command, by its key. The keys are the main toolbar's ("add", "addtoartist",
// "edit", "del", "delall", "settings", "stats", "tagrenamer", "about") and those of the other
// commands: "copy" (a song list or spreadsheet rows to the clipboard), "previous_cd",
// "next_cd", "up", "down", "editartist" (rename the artist), "shelf" (shelf discs),
// "duplicates" (duplicate albums), "check" (check a disc), "undo" and "redo", the import's
// song-name sources "extract_files", "extract_playlists", "extract_tags", and the export's list
// kinds "list_text", "list_html". The desktop's icon theme answers first where the freedesktop
// names have an icon for the command ("del" is "edit-delete", "copy" is "edit-copy", "up" is
// "go-up"), so the program looks like its desktop; otherwise, and where no theme is installed, the
// program's own SVG picture answers, drawn on a 24-pixel grid and sharp at any scale. An unknown
// key gives a null icon.
QIcon command_icon(const QString& key);

// Every key command_icon knows.
QStringList command_icon_keys();

// The program's picture (a record and a catalogue card), for its windows' frames: the icon
// theme's picture of the installed program when there is one, else the program's own SVG.
QIcon program_icon();

} // namespace vinylix
