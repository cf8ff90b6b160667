#pragma once

#include "catalogue.h"
#include "recordset.h"
#include "undo_history.h"

#include <QString>
#include <memory>

namespace vinylix {

// What the main window shares with its tabs: the open catalogue and the main recordset, which
// the browser leaves on the selected album, and the history of the changes the user made,
// which every writer of the catalogue records its change in (ChangeRecording). Everything else
// a window needs it is handed, and what it did it returns or signals.
struct SharedState {
    std::shared_ptr<Catalogue> vinylixdb;
    std::unique_ptr<Recordset> artists;
    // Why the catalogue could not be opened by the last load; empty while it is open.
    QString catalogue_error;
    // The changes of this run that Undo takes back; it outlives every catalogue opened.
    UndoHistory history;

    bool catalogue_open() const { return artists != nullptr; }
};

} // namespace vinylix
