#include "artist_rename.h"

#include "album_save.h"
#include "store/album_lookup.h"
#include "store/collation.h"

namespace vinylix {

namespace {

bool move_album(Recordset& set, const QString& artist, const QString& album,
                const QString& new_name, QString* error) {
    if (!position_on_album(set, artist, album) || !set.edit())
        return true; // no such album any more: nothing to move
    set.set_value(field_name(Field::Artist), new_name);
    if (set.update(error))
        return true;
    set.cancel_update();
    return false;
}

} // namespace

RenameOutcome rename_albums(Recordset& set, const QString& artist, const QString& new_name,
                            const QStringList& albums) {
    RenameOutcome outcome;
    if (new_name.isEmpty())
        return outcome;
    // A failure rolls the file back and reads the recordset again, so no album shows moved
    // in memory that is not moved in the file. The clashes are found in what the file holds.
    RecordsetTransaction transaction(set, &outcome.error);
    if (!transaction.ok() || !set.catch_up(&outcome.error))
        return outcome;
    const bool only_case = same_text_ignoring_case(artist, new_name);
    for (const QString& album : albums) {
        if (!only_case && artist_has_album(set, new_name, album)) {
            outcome.clashes << album;
            continue;
        }
        if (!move_album(set, artist, album, new_name, &outcome.error)) {
            outcome.moved.clear();
            return outcome; // the transaction rolls back
        }
        outcome.moved << album;
    }
    if (!transaction.commit(&outcome.error))
        outcome.moved.clear();
    return outcome;
}

} // namespace vinylix
