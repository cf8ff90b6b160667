#pragma once

#include "catalogue.h"
#include "progress.h"
#include "undo_history.h"

#include <QString>
#include <memory>

namespace vinylix {

// What a recorded change of the catalogue did, as the Edit menu names it, counting the albums
// it added, changed or removed.
enum class ChangeKind {
    Added,         // "Add Album", "Add 120 Albums"
    Edited,        // "Edit Album"
    ArtistRenamed, // "Rename Artist"
    Updated,       // "Update Album", "Update 3 Albums"
    Deleted,       // "Delete Album", "Delete 3 Albums"
};

// Records what this program writes to the catalogue from its start until `keep`, as one step
// of `history` that Undo takes back and Redo makes again. Every change the user makes to the
// catalogue is wrapped in one: made before the first write (outside any transaction), kept
// once the change is made; destroyed without `keep` (the user declined, the write failed), it
// records nothing.
//
//     ChangeRecording recording(state.history, state.vinylixdb);
//     ... write through state.artists or state.vinylixdb, in one transaction or several ...
//     recording.keep(ChangeKind::Updated);
//
// It records the rows written through that connection only, never another program's, and
// keeps nothing when no row changed. While one runs, another records nothing (the first takes
// it all). When the history cannot record (no temporary file can be made, the catalogue is not
// open) the change is made all the same, without undo.
class ChangeRecording {
public:
    ChangeRecording(UndoHistory& history, std::shared_ptr<Catalogue> catalogue);
    ~ChangeRecording();
    ChangeRecording(const ChangeRecording&) = delete;
    ChangeRecording& operator=(const ChangeRecording&) = delete;

    void keep(ChangeKind kind);

private:
    UndoHistory& history_;
    std::shared_ptr<Catalogue> catalogue_; // the connection recorded, kept open until the end
    bool running_ = false;
};

// Deletes every album of the catalogue in one transaction, keeping their rows first as the
// step "Delete All Albums" of `history`; `progress` hears of the rows kept. On failure (the
// catalogue read-only, the disk full) no album is deleted and `error` says why.
bool delete_all_albums(UndoHistory& history, Catalogue& catalogue, const ProgressFn& progress,
                       QString* error);

} // namespace vinylix
