#include "browser.h"

#include "store/numeric_value.h"
#include "store/song_list_text.h"

namespace vinylix {

namespace {

Criteria artist_is(const QString& artist) {
    return {field_name(Field::Artist), artist};
}

} // namespace

QStringList albums_of_artist(Recordset& set, const QString& artist) {
    QStringList albums;
    set.move_last();
    set.move_first();
    const int album = set.field_position(field_name(Field::Album));
    while (!set.eof()) {
        const bool found =
            albums.isEmpty() ? set.find_first(artist_is(artist)) : set.find_next(artist_is(artist));
        if (!found)
            break;
        albums << set.value(album);
    }
    return albums;
}

bool position_on_album(Recordset& set, const QString& artist, const QString& album) {
    // Search from the artist's first record itself, and only among that artist's records, so
    // another artist's album of the same title is never taken for it.
    const Criteria criteria = artist_is(artist);
    for (bool found = set.find_first(criteria); found; found = set.find_next(criteria))
        if (set.value(field_name(Field::Album)).compare(album, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QString cd_caption(int index, const QString& count) {
    return QStringLiteral("Song List [CD %1/%2]").arg(index + 1).arg(count);
}

AlbumDisplay album_display(const AlbumRecord& album) {
    AlbumDisplay display;
    const QString& songs = album[Field::Songs];
    display.cd_count = int(numeric_value(album[Field::Cds]));
    display.multi = display.cd_count > 1 && !songs.isEmpty();
    if (display.multi) {
        display.cd_texts = read_song_sections(songs, display.cd_count);
        display.songs = display.cd_texts.value(0);
        display.caption = cd_caption(0, album[Field::Cds]);
    } else {
        display.songs = songs;
        display.caption = QStringLiteral("Song List");
    }
    display.panels = {QStringLiteral("CD #") + album[Field::CD],
                      QStringLiteral("Size: ") + album[Field::Size],
                      QStringLiteral("Bitrate: ") + album[Field::Kbps],
                      QStringLiteral("Year: ") + album[Field::Year],
                      QStringLiteral("Cover: ") + album[Field::Cover],
                      QStringLiteral("# of Cds: ") + album[Field::Cds]};
    return display;
}

} // namespace vinylix
