#include "disc_catalogue.h"

#include "store/collation.h"
#include "store/disc_number.h"

#include <QSet>

namespace vinylix {

MatchKey match_key(QStringView artist, QStringView album) {
    return {fold_case_and_accents(artist), fold_case_and_accents(album)};
}

namespace {

// True when a stored `CD` names the disc `disc` (as disc_number_text writes it).
bool names_disc(QUtf8StringView cd, const QString& disc) {
    const QString text = cd.toString();
    return is_disc_number(text) && disc_number_text(text) == disc;
}

// Walks the catalogue once: the rows of the disc, and the other discs of the folder's albums.
// Only an artist of the folder has its title folded.
bool find_places(Catalogue& catalogue, const QString& disc, const QSet<MatchKey>& wanted,
                 std::vector<long long>& rowids, DiscCatalogue& found, QString* error) {
    QSet<QString> artists;
    for (const MatchKey& key : wanted)
        artists.insert(key.first);
    MatchKey key;
    return for_each_album_place(
        catalogue,
        [&](const AlbumPlace& place) {
            if (names_disc(place.cd, disc)) {
                rowids.push_back(place.rowid);
                return;
            }
            fold_case_and_accents(place.artist, key.first);
            if (!artists.contains(key.first))
                return;
            fold_case_and_accents(place.album, key.second);
            if (!wanted.contains(key))
                return;
            QStringList& discs = found.elsewhere[key];
            if (const QString cd = place.cd.toString(); !discs.contains(cd))
                discs << cd;
        },
        error);
}

} // namespace

bool read_disc_catalogue(Catalogue& catalogue, const QString& disc, const ImportData& folder_albums,
                         DiscCatalogue& found, QString* error) {
    found = {};
    QSet<MatchKey> wanted;
    for (const ImportedAlbum& album : folder_albums.albums())
        wanted.insert(match_key(album.artist, album.album));
    std::vector<long long> rowids;
    if (!find_places(catalogue, disc, wanted, rowids, found, error) ||
        !read_stored_albums(catalogue, rowids, found.on_disc, error)) {
        found = {};
        return false;
    }
    return true;
}

} // namespace vinylix
