#pragma once

#include "album_record.h"
#include "catalogue.h"

#include <QString>
#include <utility>
#include <vector>

namespace vinylix {

// New texts for some fields of one stored album. The album is found by its row, which must
// still hold the artist and album read (exactly), or another program has changed it since.
struct AlbumFieldsUpdate {
    long long rowid = 0;
    QString artist;
    QString album;
    std::vector<std::pair<Field, QString>> values;
};

// Writes each album's new field texts into its row, as one write: all of them, or on a failure
// none. Every other field, and every other album, keeps its bytes. An album whose row no longer
// holds its artist and album fails the write with the catalogue's reason in `error` ("The album
// "Abba - Gold" is no longer in the catalogue file ...").
bool update_album_fields(Catalogue& catalogue, const std::vector<AlbumFieldsUpdate>& updates,
                         QString* error);

} // namespace vinylix
