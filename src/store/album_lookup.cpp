#include "album_lookup.h"

namespace vinylix {

Criteria artist_is(const QString& artist) {
    return {field_name(Field::Artist), artist};
}

QStringList albums_of_artist(Recordset& set, const QString& artist) {
    QStringList albums;
    set.move_last();
    set.move_first();
    while (!set.eof()) {
        const bool found =
            albums.isEmpty() ? set.find_first(artist_is(artist)) : set.find_next(artist_is(artist));
        if (!found)
            break;
        albums << set.value(Field::Album);
    }
    return albums;
}

bool position_on_album(Recordset& set, const QString& artist, const QString& album) {
    // Search from the artist's first record itself, and only among that artist's records, so
    // another artist's album of the same title is never taken for it.
    const Criteria criteria = artist_is(artist);
    for (bool found = set.find_first(criteria); found; found = set.find_next(criteria))
        if (set.value(Field::Album).compare(album, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool delete_album(Recordset& set, const QString& artist, const QString& album, QString* error) {
    if (!position_on_album(set, artist, album)) {
        *error = QStringLiteral("The album is no longer in the catalogue.");
        return false;
    }
    return set.delete_current(error);
}

bool delete_album_row(Recordset& set, long long rowid, const QString& artist, const QString& album,
                      QString* error) {
    if (!set.move_to_row(rowid) || set.value(Field::Artist) != artist ||
        set.value(Field::Album) != album) {
        *error = QStringLiteral("The album is no longer in the catalogue.");
        return false;
    }
    return set.delete_current(error);
}

} // namespace vinylix
