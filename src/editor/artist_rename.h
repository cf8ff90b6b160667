#pragma once

#include "store/recordset.h"

#include <QString>
#include <QStringList>

namespace vinylix {

struct RenameOutcome {
    QStringList moved;   // albums that now carry the new artist name
    QStringList clashes; // albums the new artist already has one of, left as they were
    QString error;       // why the catalogue could not be written; empty on success
};

// Gives the albums `albums` of `artist` the artist name `new_name`, all in one transaction.
// An album whose title (letter case ignored) the artist `new_name` already has is left where
// it is; when only the letter case of the name changes, no album clashes. The rows are read
// again first when another program changed the file since they were read.
RenameOutcome rename_albums(Recordset& set, const QString& artist, const QString& new_name,
                            const QStringList& albums);

} // namespace vinylix
