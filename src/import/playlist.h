#pragma once

#include "mp3/code_page.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace vinylix {

// A file larger than this is not taken for a playlist and is not read.
inline constexpr qint64 playlist_size_limit = 4 * 1024 * 1024;

enum class PlaylistKind { M3u, Pls };

// The kind a file name says, by its extension in any letter case: "Best.M3U" -> M3u,
// "cd1.pls" -> Pls, anything else -> none.
std::optional<PlaylistKind> playlist_kind(QStringView file_name);

// The text of a playlist's bytes: UTF-8 where the bytes are valid UTF-8 (a leading byte-order
// mark dropped), else `page`, the single-byte code page of the tags (KOI8-R "\xF0\xC5\xD3\xCE\xD1"
// -> "Песня").
QString playlist_text(QByteArrayView bytes, CodePage page = default_code_page);

// The titles of an M3U playlist: for each "#EXTINF:" (any letter case), the text after the first
// comma of its line up to the line's end. "#EXTINF:215,Artist - Song\r\n" -> "Artist - Song".
// A line ends at CR, at LF or at the end of the text; an "#EXTINF:" line without a comma gives no
// title.
QStringList m3u_titles(QStringView text);

// The titles of a PLS playlist: the values of "Title1", "Title2", ... (any letter case) in the
// order of their numbers, each after the first "=" of its line up to the line's end. The entries
// are looked for one after another, so the list stops at the first number missing after the
// entry before it; "Title1" never matches "Title12".
QStringList pls_titles(QStringView text);

// The song lines one playlist file gives, for the list built so far from the playlists before it
// in the same folder: its titles; for an M3U without titles while the list is still empty, its
// whole text line by line (a plain list of files); else nothing. Empty lines at the end of a
// whole text are dropped; each line is kept to one line (one_line). Bytes that are not UTF-8 are
// read in `page`.
QStringList playlist_songs(PlaylistKind kind, QByteArrayView bytes, bool list_empty,
                           CodePage page = default_code_page);

} // namespace vinylix
