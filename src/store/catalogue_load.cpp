#include "catalogue_load.h"

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
    const qint64 total = result.artists->record_count();
    result.artist_names = result.artists->artist_names(
        [&](qint64 done) { report_progress(progress, total + done, 2 * total); });
    return result;
}

} // namespace vinylix
