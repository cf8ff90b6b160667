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

} // namespace vinylix::bench
