#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace vinylix {

// Replaces every occurrence of `find` (letter case ignored) by `with`. The search goes on
// after each inserted text, so a replacement that contains the searched text never loops.
// An empty `find` replaces nothing.
QString replace_ignoring_case(const QString& text, const QString& find, const QString& with);

// Changes every character that follows a space to upper case; the first character of the
// text and of each line stay as they are.
QString upper_case_after_spaces(const QString& text);

// A song list from file names: each name without its last four characters (the extension
// and its dot), kept to one line (one_line), one a line. None when there are no names or a name is
// shorter than four.
std::optional<QString> song_names_from_files(const QStringList& names);

// The song list "Names from a folder" makes: the names of the folder's MP3 files without
// ".mp3", one a line, CR LF between them ("a\r\nb" for the folder above). None when the
// folder cannot be read or holds no MP3 file.
std::optional<QString> song_list_from_folder(const QString& folder);

} // namespace vinylix
