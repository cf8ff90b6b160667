#pragma once

#include "line_end.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace vinylix {

// "== CD n ==": the header line of CD n in the song list of an album of several CDs.
QString cd_header(int n);

// Where the text of one CD stands in a stored song list: `length` characters from `start`.
struct SongSection {
    qsizetype start = 0;
    qsizetype length = 0;
};

// The sections of an album of `cd_count` CDs, CD 1 first, as read_song_sections reads them.
// Sections follow one another in the text and never overlap; the text between them (headers,
// separating empty lines, text before CD 1, sections past the count) belongs to no CD.
// "x\r\n== CD 1 ==\r\na\r\n\r\n== CD 2 ==\r\nb" with 2 CDs gives {15, 1} and {32, 1}.
std::vector<SongSection> find_song_sections(const QString& songs, int cd_count);

// Splits a stored song list into per-CD texts, CD 1 first, for an album of `cd_count` CDs.
// Headers are found in any letter case, each after the header of the CD before, and only as a
// line of their own: "x == CD 2 == y" is a song of the CD it stands in. A CD's text
// runs from the line after its header up to the empty line before the next CD's header, or to
// the end. Text before the header of CD 1 is ignored; reading stops at the first CD whose
// header is missing, so CDs from there on have no text. A header line or the empty line before
// a header may end in LF alone; the texts are returned as they stand.
QStringList read_song_sections(const QString& songs, int cd_count);

// Joins per-CD texts into the stored layout: header of CD 1, CR LF, its songs, then for
// each further CD an empty line, its header, CR LF and its songs.
QString write_song_sections(const QStringList& cds);

// The number of songs in a stored song list: its lines that hold more than blanks, the CD
// headers left out (in any letter case, whatever CD count the album gives).
// "== CD 1 ==\r\na\r\nb\r\n\r\n== CD 2 ==\r\nc" has 3 songs; "a\r\n\r\n  \r\nb\r\n" has 2.
int song_count(QStringView songs);

} // namespace vinylix
