#include "catalogue_load.h"

#include "collation.h"

namespace vinylix {

CatalogueLoad load_catalogue(const QString& program_folder, const ProgressFn& progress) {
    CatalogueLoad result;
    result.catalogue = Catalogue::open(catalogue_path(program_folder), &result.error);
    // One bar for the two steps: reading the rows fills its first half, listing the artists
    // its second.
    const auto reading = [&](qint64 done, qint64 total) {
        return report_progress(progress, done, 2 * total);
    };
    if (result.catalogue)
        result.artists = Recordset::open(result.catalogue, Query::Main, &result.error,
                                         progress ? ProgressFn(reading) : ProgressFn());
    if (!result.artists) {
        result.catalogue.reset();
        return result;
    }
    Recordset& rs = *result.artists;
    const qint64 total = rs.record_count();
    if (total == 0)
        return result;
    rs.move_first();
    QString last_key = collation_key(rs.value(Field::Artist));
    result.artist_names << rs.value(Field::Artist);
    while (!rs.eof()) {
        rs.move_next();
        if (!rs.eof()) {
            const QString name = rs.value(Field::Artist);
            QString key = collation_key(name);
            if (key != last_key) {
                result.artist_names << name;
                last_key = std::move(key);
            }
        }
        report_progress(progress, total + (rs.eof() ? total : rs.absolute_position() + 1),
                        2 * total);
    }
    return result;
}

} // namespace vinylix
