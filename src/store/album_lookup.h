#pragma once

#include "recordset.h"

#include <QString>
#include <QStringList>

namespace vinylix {

// The find criterion "Artist = name" (letter case ignored, as every find).
Criteria artist_is(const QString& artist);

// The titles of an artist's albums (names equal ignoring letter case are one artist), in the
// recordset's order. Leaves the recordset where the search ended.
QStringList albums_of_artist(Recordset& set, const QString& artist);

// Puts the recordset on the album of that artist with that title (letter case ignored, as
// in every find). Returns false, leaving the cursor where the search ended, when there is none.
bool position_on_album(Recordset& set, const QString& artist, const QString& album);

// Deletes the album `album` of `artist` (letter case ignored). False, with the reason in
// `error`, when there is no such album or it could not be deleted.
bool delete_album(Recordset& set, const QString& artist, const QString& album, QString* error);

// Deletes the album stored under `rowid` (AlbumSummary::rowid), that very row even when another
// album has the same artist and title, provided it still holds `artist` and `album` exactly.
// False, with the reason in `error`, when the recordset holds no such row or it could not be
// deleted.
bool delete_album_row(Recordset& set, long long rowid, const QString& artist, const QString& album,
                      QString* error);

} // namespace vinylix
