#pragma once

#include "catalogue.h"
#include "recordset.h"

#include <QString>
#include <memory>

namespace vinylix {

// The state the main window publishes to the other windows and the core: the open catalogue,
// the main recordset and the few flags that pass between commands.
struct SharedState {
    std::shared_ptr<Catalogue> vinylixdb;
    std::unique_ptr<Recordset> artists;
    QString dir;                // root folder of the folder import
    QString caminho;            // file the next export writes to; empty: the preview file
    qint16 records_updated = 0; // -1 after an import stored albums: reload on the next tab click
    qint16 addrecord_mode = 0;  // editor job: 1 new, 2 new for artist, 3 edit, 4 rename artist
    qint16 savestate = 1;       // 1: save the options at exit
    int extract_mode_button = 0;
    // Why the catalogue could not be opened by the last load; empty while it is open.
    QString catalogue_error;

    bool catalogue_open() const { return artists != nullptr; }
};

} // namespace vinylix
