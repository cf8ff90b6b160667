#pragma once

#include "import_data.h"

#include "store/album_places.h"
#include "store/catalogue.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace vinylix {

// Artist and title as a disc check matches an album of a folder with one of the catalogue:
// letter case and accents folded ("Motörhead" / "ACE OF SPADES" is "motorhead" / "ace of
// spades"), every other character as it stands.
using MatchKey = std::pair<QString, QString>;
MatchKey match_key(QStringView artist, QStringView album);

// What the catalogue holds for a disc check of one shelf disc and the albums of one folder.
struct DiscCatalogue {
    std::vector<StoredAlbum> on_disc; // the albums of that disc, whole, in the table's order
    // The albums of the folder that the catalogue holds under other discs, by match key: the
    // `CD` texts of those discs as stored, each once, in the table's order ("4", "CDA").
    QHash<MatchKey, QStringList> elsewhere;
};

// Reads them by queries of the catalogue's own (the main recordset is not touched): the albums
// whose `CD` names the disc `disc` ("12" takes "12" and "012"; see is_disc_number), and, for
// the albums of `folder_albums`, the other discs that hold an album of the same match key.
// On an engine failure returns false with the reason in `error`.
bool read_disc_catalogue(Catalogue& catalogue, const QString& disc, const ImportData& folder_albums,
                         DiscCatalogue& found, QString* error);

} // namespace vinylix
