#pragma once

#include "album_record.h"
#include "catalogue.h"
#include "progress.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

class QTemporaryDir;

namespace vinylix {

// One change of the catalogue as recorded: its number among the images, and how many albums
// it added, changed and removed.
struct RecordedChange {
    int id = 0;
    qint64 added = 0;
    qint64 changed = 0;
    qint64 removed = 0;
};

// What putting a change's rows back (or again) did.
struct Replay {
    // The rowids written, for the main recordset to read them again; nothing when they are too
    // many to read one by one.
    std::optional<std::vector<long long>> rows;
    // "Artist - Album" of the first rows another program changed since, left as they were, and
    // how many there were.
    QStringList left_alone;
    qint64 left_alone_count = 0;
    // The albums concerned that are in the catalogue afterwards (when `rows` names them), in
    // the catalogue's order; when there are none, the artist of the first album that left it.
    std::vector<AlbumName> albums;
    QString artist;
};

// The rows each recorded change of the catalogue found and left: for every row it touched,
// the row before (none when the change added it) and after (none when it removed it), by
// rowid, every field with the type and bytes the file holds (text that is no valid UTF-8, a
// NULL, a BLOB). They are kept outside memory, in a file of their own in the system's
// temporary folder, attached to each connection to the catalogue as "vinylix_history" and
// removed with this object. Row changes are recorded by triggers of the connection while a
// recording runs; deleting every album copies the rows in bulk. Only the store reads them.
class ChangeImages {
public:
    ChangeImages();
    ~ChangeImages();
    ChangeImages(const ChangeImages&) = delete;
    ChangeImages& operator=(const ChangeImages&) = delete;

    // Makes the images' file ready for `catalogue`'s connection (attaches it once per
    // connection, drops the rows of changes forgotten since). Outside any transaction.
    bool prepare(Catalogue& catalogue, QString* error);

    // Starts recording every row the connection writes to the table, until `finish`. False,
    // recording nothing, when the images' file cannot be made or a recording already runs.
    bool start(Catalogue& catalogue, QString* error);
    // Ends the recording: the rows written since `start` (those written back as they were
    // left out) become a change; nothing when no row changed. Also ends a recording that
    // nothing is to be kept of (`keep` false).
    std::optional<RecordedChange> finish(Catalogue& catalogue, bool keep, QString* error);
    bool recording() const { return recording_; }

    // Deletes every album of the catalogue in one transaction, keeping their rows first; on
    // failure (the disk full, the file read-only) no album is deleted. `progress` hears of the
    // rows kept.
    std::optional<RecordedChange> delete_all(Catalogue& catalogue, const ProgressFn& progress,
                                             QString* error);

    // Inside a write on `catalogue` (prepared): puts the rows of `change` back as they were
    // before it (`undo`) or again as it left them. A row goes back only where the file holds
    // it as the change (or its undo) left it; a row another program changed since is left as
    // it is and named. A row that comes back where another has taken its rowid comes back
    // under a new one. Throws on an engine failure, so the write rolls back.
    Replay replay(Catalogue& catalogue, const RecordedChange& change, bool undo,
                  const ProgressFn& progress);

    // The rows of change `id` are no longer needed; they go at the next `prepare`.
    void forget(int id) { forgotten_.push_back(id); }

private:
    bool make_file(QString* error);

    std::unique_ptr<QTemporaryDir> folder_;
    QString path_; // the images' file
    int next_id_ = 1;
    std::vector<int> forgotten_;
    bool recording_ = false;
};

} // namespace vinylix
