#pragma once

#include "catalogue.h"
#include "progress.h"
#include "recordset.h"

#include <QStringList>
#include <memory>

namespace vinylix {

// The catalogue as one load found it.
struct CatalogueLoad {
    std::shared_ptr<Catalogue> catalogue;
    std::unique_ptr<Recordset> artists; // the main recordset
    QString error;                      // why the catalogue could not be opened
    QStringList artist_names;           // each artist once, in sorted order, as first spelled

    bool ok() const { return artists != nullptr; }
};

// Opens the catalogue in `program_folder` and the main recordset over it, and lists every
// artist once: names equal ignoring letter case are one entry under the spelling of the first
// record. On failure holds no catalogue, an empty list and the reason.
CatalogueLoad load_catalogue(const QString& program_folder, const ProgressFn& progress = {});

} // namespace vinylix
