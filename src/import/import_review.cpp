#include "import_review.h"

namespace vinylix {

ReviewPanels review_panels(const ImportedAlbum& album) {
    const AlbumProperties& read = album.properties;
    return {QStringLiteral("CD #: ") + album.cd,     QStringLiteral("Size: ") + read.size,
            QStringLiteral("Bitrate: ") + read.kbps, QStringLiteral("Year: ") + read.year,
            QStringLiteral("Cover: ") + album.cover, QStringLiteral("# of CDs: ") + read.cds};
}

const QStringList& cover_choices() {
    static const QStringList choices = {cover_yes, cover_no};
    return choices;
}

int cover_index(const QString& cover) {
    return int(cover_choices().indexOf(cover));
}

ReviewDisplay display_information(const ImportedAlbum& album, SongSource current) {
    const SongSource source = album.chosen.value_or(current);
    return {album.properties.song_list(source), source,   review_panels(album),
            cover_index(album.cover),           album.cd, album.properties.year};
}

QString switch_song_mode(const ImportedAlbum& album, SongSource source) {
    return album.properties.song_list(source);
}

void store_information(ImportData& data, const std::vector<int>& selected, int focused,
                       const ReviewEdits& edits, SongSource current) {
    const bool one_focused = selected.size() == 1 && selected.front() == focused;
    for (const int k : selected) {
        if (!data.contains(k))
            continue;
        ImportedAlbum& album = data[k];
        album.cd = edits.cd;
        album.cover = edits.cover;
        album.chosen = current;
        if (one_focused) {
            album.properties.year = edits.year;
            album.properties.songs[int(current)] = edits.songs;
        }
    }
}

} // namespace vinylix
