#pragma once

#include "duplicate_groups.h"

#include <QString>

namespace vinylix {

// The texts the duplicate-albums window shows, copies and saves. Megabytes are written plainly:
// no thousands separator, a decimal part only when there is one ("612.4 MB", "98 MB").

// "Pink Floyd – The Wall"; line breaks inside a name become blanks.
QString album_name_text(const AlbumSummary& album);

// The heading of a group: its first copy's name, how many copies, what could be freed.
// "Pink Floyd – The Wall: 3 copies, 612.4 MB could be freed"; without megabytes to free
// "Abba – Gold: 2 copies".
QString group_heading(const DuplicateGroups& found, const DuplicateGroup& group);

// What a copy's line shows beside its name, field by field, each empty where the album has
// no such value.
struct CopyTexts {
    QString disc;    // "Disc 12", "CDA", "no disc"
    QString size;    // "650.5 MB" (as stored); empty for "-"
    QString bitrate; // "192 kbps" (as stored); empty for "-"
    QString year;    // as stored
    QString cds;     // "1 CD", "2 CDs"
    QString songs;   // "1 song", "12 songs", "no songs"
};
CopyTexts copy_texts(const AlbumSummary& copy);

// The word that marks the best copy of a group.
QString best_copy_text();

// "3 groups, 7 albums, 1234.5 MB could be freed"; "1 group, 2 albums, 0 MB could be freed".
QString totals_text(const DuplicateGroups& found);

// What the window says instead of an empty list: "The catalogue holds no albums." or "No two
// of the 1200 albums in the catalogue are the same album."; empty when there are groups.
QString nothing_found_text(const DuplicateGroups& found);

// The groups as text to copy or save: each group a paragraph of its heading and one line a
// copy, the best marked, an empty line after it; then the totals. CR LF after every line.
//   "Pink Floyd – The Wall: 2 copies, 600 MB could be freed\r\n"
//   "  Pink Floyd – The Wall: Disc 12, 650.5 MB, 320 kbps, 1979, 2 CDs, 26 songs, best\r\n"
//   "  PINK FLOYD – The Wall (Remastered): Disc 30, 600 MB, 192 kbps, 2011, 2 CDs, 26 songs\r\n"
//   "\r\n"
//   "1 group, 2 albums, 600 MB could be freed\r\n"
// Without groups, the text nothing_found_text gives, on one line.
QString duplicates_list_text(const DuplicateGroups& found);

} // namespace vinylix
