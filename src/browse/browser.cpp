#include "browser.h"

#include "store/numeric_value.h"
#include "store/song_list_text.h"

#include <climits>

namespace vinylix {

QString cd_caption(int index, const QString& count) {
    return QStringLiteral("Song List [CD %1/%2]").arg(index + 1).arg(count);
}

AlbumDisplay album_display(const AlbumRecord& album) {
    AlbumDisplay display;
    const QString& songs = album[Field::Songs];
    display.cd_count = int(whole_value(album[Field::Cds], INT_MIN, INT_MAX));
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
