#pragma once

#include "album_record.h"
#include "catalogue.h"

#include <QString>
#include <vector>

namespace vinylix {

// What became of one album of a batch.
enum class BatchOutcome { Stored, Duplicate };

struct BatchResult {
    bool ok = false;
    QString error;                      // why nothing was stored
    std::vector<BatchOutcome> outcomes; // one per album, in the batch's order, when ok
};

// Adds `albums` to the catalogue, in their order, as one transaction through one prepared
// statement: on failure (or a crash) none of them is stored. An album is a duplicate, and left
// out, when its artist (the same text exactly) already has an album of that title, ignoring
// letter case, in the catalogue or earlier in the batch: with "Metallica / Black Album" stored,
// "Metallica / BLACK ALBUM" is a duplicate and "METALLICA / Black Album" is not. The catalogue
// is read once for the whole batch, not once per album.
BatchResult add_albums(Catalogue& catalogue, const std::vector<AlbumRecord>& albums);

// What add_albums would do with `albums` now, by the same rule, storing nothing: a catalogue
// opened for reading only will do.
BatchResult try_albums(Catalogue& catalogue, const std::vector<AlbumRecord>& albums);

} // namespace vinylix
