#pragma once

#include "shared_state.h"

#include <QStringList>
#include <functional>

namespace vinylix {

// Reports work done out of a total; called often, so it must be cheap.
using ProgressFn = std::function<void(qint64 done, qint64 total)>;

struct CatalogueLoad {
    bool ok = false;
    QString error;            // why the catalogue could not be opened
    QStringList artist_names; // each artist once, in sorted order, as first spelled
};

// Opens the catalogue in `program_folder` and the main recordset into `state`, and lists
// every artist once: names equal ignoring letter case are one entry under the spelling of
// the first record. On failure `state` holds no catalogue and the list is empty.
CatalogueLoad load_catalogue(SharedState& state, const QString& program_folder,
                             const ProgressFn& progress = {});

} // namespace vinylix
