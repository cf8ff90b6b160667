#include "catalogue_load.h"

#include "collation.h"

namespace vinylix {

CatalogueLoad load_catalogue(SharedState& state, const QString& program_folder,
                             const ProgressFn& progress) {
    CatalogueLoad result;
    state.artists.reset();
    state.vinylixdb.reset();
    state.catalogue_error.clear();
    auto db = Catalogue::open(catalogue_path(program_folder), &result.error);
    auto set = db ? Recordset::open(db, Query::Main, &result.error) : nullptr;
    if (!set) {
        state.catalogue_error = result.error;
        return result;
    }
    state.vinylixdb = std::move(db);
    state.artists = std::move(set);
    result.ok = true;

    Recordset& rs = *state.artists;
    const qint64 total = rs.record_count();
    if (total > 0) {
        rs.move_first();
        const int artist = rs.field_position(field_name(Field::Artist));
        QString last_key = collation_key(rs.value(artist));
        result.artist_names << rs.value(artist);
        while (!rs.eof()) {
            rs.move_next();
            if (!rs.eof()) {
                const QString name = rs.value(artist);
                QString key = collation_key(name);
                if (key != last_key) {
                    result.artist_names << name;
                    last_key = std::move(key);
                }
            }
            if (progress)
                progress(rs.eof() ? total : rs.absolute_position() + 1, total);
        }
    }
    return result;
}

} // namespace vinylix
