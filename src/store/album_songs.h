#pragma once

#include "catalogue.h"

#include <QByteArrayView>
#include <functional>
#include <span>

namespace vinylix {

class RawStatement;

// One album's names, disc and song list as the file stores them (UTF-8), for reading the song
// lists of many albums without a text made for each; valid only during the call it is given to.
// Each field is read from the engine when asked for, so the fields not needed cost nothing.
class AlbumSongsView {
public:
    explicit AlbumSongsView(const RawStatement& row) : row_(row) {}
    long long rowid() const;
    QByteArrayView songs() const;
    QByteArrayView artist() const;
    QByteArrayView album() const;
    // Read only by read_album_songs: empty in a pass over every album.
    QByteArrayView cd() const;

private:
    const RawStatement& row_;
};

// Answers whether to go on reading.
using AlbumSongsVisit = std::function<bool(const AlbumSongsView& album)>;

// Calls `visit` with every album stored under a rowid from `first_rowid` to `last_rowid`, in the
// table's order (by rowid), by a query of its own, until it answers false.
// On an engine failure returns false with the reason in `error` ("The catalogue file
// "/x/Vinylix.vnx" is not a catalogue file or is damaged."); a stop asked by `visit` is no
// failure.
bool for_each_album_songs(Catalogue& catalogue, long long first_rowid, long long last_rowid,
                          const AlbumSongsVisit& visit, QString* error);

// Calls `visit` with the albums stored under `rowids`, in the order given, all read in one
// reading of the file; a rowid no longer in the file is passed over. Fails as above.
bool read_album_songs(Catalogue& catalogue, std::span<const long long> rowids,
                      const AlbumSongsVisit& visit, QString* error);

} // namespace vinylix
