#pragma once

#include <QString>

namespace vinylix::bench {

// Writes a catalogue of `albums` albums, `songs` songs each and 5 albums an artist, into
// `folder` (as "Vinylix.vnx"), unless one of that size is already there. Every seventh artist
// has one album stored under an upper-case spelling of its name. Every tenth album is an
// audio CD; every twentieth album spans two CDs. Returns the catalogue's path.
QString make_synthetic_catalogue(const QString& folder, int albums, int songs = 12);

// A folder under the system's temporary folder kept between runs, for catalogues of one size.
QString bench_folder(int albums);

// A catalogue of short song lines, where the program's own work shows beside the engine's:
// 5 albums an artist, every seventh artist's name in two letter cases, 12 songs of about 15
// characters an album ("01 Love night"), every tenth album of two CDs with their headers,
// every 25th an audio CD ("CDA", bitrate and size "-"), bitrates, sizes and years drawn at
// random (the same every time). Made in `folder` unless one of that size is there already.
QString make_short_song_catalogue(const QString& folder, int albums);

// The folder of the catalogue of short song lines of that size.
QString short_song_folder(int albums);

} // namespace vinylix::bench
