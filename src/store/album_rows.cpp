#include "album_rows.h"

namespace vinylix {

std::optional<std::vector<AlbumRecord>> read_albums(const std::shared_ptr<Catalogue>& catalogue,
                                                    Query query, QString* error) {
    // A recordset of its own sorts the rows, so the order has one definition.
    const std::unique_ptr<Recordset> set = Recordset::open(catalogue, query, error);
    if (!set)
        return std::nullopt;
    std::vector<AlbumRecord> albums;
    albums.reserve(std::size_t(set->record_count()));
    for (set->move_first(); !set->eof(); set->move_next())
        albums.push_back(set->record());
    return albums;
}

} // namespace vinylix
