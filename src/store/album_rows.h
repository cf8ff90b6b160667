#pragma once

#include "album_record.h"
#include "catalogue.h"
#include "recordset.h"

#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace vinylix {

// Every album of the catalogue as values, in the order a recordset over `query` holds them:
// the same fields (all but `Songs` for the sorted shapes), the same collation, ties in the
// table's order. Query::ByYear gives a yearless album first, then "1986" before "1992".
// Nothing is positioned or changed; the main recordset is not touched. On failure returns
// nothing and says why in `error`.
std::optional<std::vector<AlbumRecord>> read_albums(const std::shared_ptr<Catalogue>& catalogue,
                                                    Query query, QString* error);

} // namespace vinylix
