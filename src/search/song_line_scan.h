#pragma once

#include "song_hits.h"
#include "song_line_finder.h"
#include "store/catalogue.h"
#include "store/row_positions.h"

#include <QString>
#include <optional>
#include <span>
#include <stop_token>

namespace vinylix {

// The song lines holding a finder's text, found in the song lists as the file stores them.

// Finds them in the albums stored under `rowids`, which stand at positions 0, 1, 2... in that
// order: each album read by its rowid, the lines listed as the albums come (a rowid no longer
// in the file has none). False on an engine failure, with the reason in `error`.
bool find_song_lines_in(Catalogue& catalogue, std::span<const long long> rowids,
                        SongLineFinder& finder, SongHits& hits, QString* error);

// Finds them in every album stored under a rowid from `first_rowid` to `last_rowid` that stands at
// `from` or later among `positions`, read in the file's order in one pass; albums the
// positions do not know (stored since they were taken) are passed over. The hits are left to
// be ordered (SongHits::order_by_position). A stop asked through `stop` ends the reading
// early. Fails as above.
bool find_song_lines_from(Catalogue& catalogue, const RowPositions& positions, int from,
                          long long first_rowid, long long last_rowid, SongLineFinder& finder,
                          std::stop_token stop, SongHits& hits, QString* error);

// A line found, as the file holds it now.
struct FoundLine {
    QString text;  // the song line
    QString album; // "Artist - Album"
    QString disc;  // "CD " and the shelf label: "CD 12", "CD CDA"
};

// Reads `line` from the file: nothing when its album is no longer stored under its rowid with
// the same artist and title, or its song list no longer has a line holding the text at that
// start (the catalogue changed since the search), or the file cannot be read.
std::optional<FoundLine> read_found_line(Catalogue& catalogue, const SongHits::Line& line,
                                         SongLineFinder& finder);

} // namespace vinylix
