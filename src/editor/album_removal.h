#pragma once

#include "store/recordset.h"

#include <QString>

namespace vinylix {

// Deletes the album `album` of `artist` (letter case ignored). False, with the reason in
// `error`, when there is no such album or it could not be deleted.
bool delete_album(Recordset& set, const QString& artist, const QString& album, QString* error);

// Deletes every album of the catalogue in one transaction: either all go or, on a failure,
// none. Recordsets opened before hold the deleted rows still and are to be reopened.
bool delete_all_albums(Catalogue& catalogue, QString* error);

} // namespace vinylix
