#pragma once

#include "line_end.h"

#include <QString>
#include <QStringList>

namespace vinylix {

// "== CD n ==": the header line of CD n in the song list of an album of several CDs.
QString cd_header(int n);

// Splits a stored song list into per-CD texts, CD 1 first, for an album of `cd_count` CDs.
// Headers are found in any letter case; text before the header of CD 1 is ignored; reading
// stops at the first CD whose header is missing, so CDs from there on have no text.
QStringList read_song_sections(const QString& songs, int cd_count);

// Joins per-CD texts into the stored layout: header of CD 1, CR LF, its songs, then for
// each further CD an empty line, its header, CR LF and its songs.
QString write_song_sections(const QStringList& cds);

} // namespace vinylix
