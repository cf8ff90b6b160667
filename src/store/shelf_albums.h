#pragma once

#include "catalogue.h"
#include "progress.h"

#include <QString>
#include <vector>

namespace vinylix {

// One album as the shelf sees it: who and what it is, the disc that holds it, its size and
// year, every field as stored ("CDA" and "-" for an audio CD).
struct ShelfAlbum {
    QString artist;
    QString album;
    QString cd;
    QString size;
    QString year;
    bool operator==(const ShelfAlbum&) const = default;
};

// Reads those five fields of every album by a query of its own, in the table's order (the main
// recordset is not touched). On an engine failure returns false, leaves `albums` empty and puts
// the reason in `error` ("The catalogue file "/x/Vinylix.vnx" is not a catalogue file or is
// damaged."). An empty catalogue gives true and no album. `progress` hears now and then of the
// albums read out of those expected; when it answers false the reading stops there (still
// true, with the albums read so far).
bool read_shelf_albums(Catalogue& catalogue, std::vector<ShelfAlbum>& albums, QString* error,
                       const ProgressFn& progress = {});

} // namespace vinylix
