#include "album_rows.h"

namespace vinylix {

std::optional<std::vector<AlbumRecord>> read_albums(const std::shared_ptr<Catalogue>& catalogue,
                                                    Query query, QString* error) {
    // One order for the whole program: the recordset's own reading and sorting.
    auto set = Recordset::open(catalogue, query, error);
    if (!set)
        return std::nullopt;
    return set->records(error);
}

} // namespace vinylix
