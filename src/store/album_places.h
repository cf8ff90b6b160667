#pragma once

#include "album_record.h"
#include "catalogue.h"

#include <QUtf8StringView>
#include <functional>
#include <vector>

namespace vinylix {

// Where one album stands: its row, its names and the disc that holds it, every field UTF-8 as
// stored and valid only while it is being visited.
struct AlbumPlace {
    long long rowid = 0;
    QUtf8StringView artist;
    QUtf8StringView album;
    QUtf8StringView cd;
};

// Visits every album's place in the table's order, by a query of its own that reads no other
// field (the main recordset is not touched). On an engine failure returns false with the
// reason in `error`.
bool for_each_album_place(Catalogue& catalogue, const std::function<void(const AlbumPlace&)>& visit,
                          QString* error);

// One album as stored, with the row that holds it.
struct StoredAlbum {
    long long rowid = 0;
    AlbumRecord record;
};

// The albums stored under `rowids`, whole, in the order given; a rowid no longer in the file is
// left out. On an engine failure returns false, `albums` empty, with the reason in `error`.
bool read_stored_albums(Catalogue& catalogue, const std::vector<long long>& rowids,
                        std::vector<StoredAlbum>& albums, QString* error);

} // namespace vinylix
