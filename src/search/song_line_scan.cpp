#include "song_line_scan.h"

#include "store/album_songs.h"

#include <algorithm>

namespace vinylix {

namespace {

// The lines of one album read, kept to the hits when it has any and stands at a position
// `position_of` its rowid gives (none: -1). The rowid, position and names are read only for
// an album with lines.
template <typename Position>
bool add_album_lines(const AlbumSongsView& album, const Position& position_of,
                     SongLineFinder& finder, std::vector<quint32>& starts, SongHits& hits) {
    starts.clear();
    finder.find(album.songs(), starts);
    if (starts.empty())
        return true;
    const long long rowid = album.rowid();
    if (const int position = position_of(rowid); position >= 0)
        hits.add_album(rowid, album_identity(album.artist(), album.album()), position, starts);
    return true;
}

QString text_of(QByteArrayView utf8) {
    return QString::fromUtf8(utf8);
}

} // namespace

bool find_song_lines_in(Catalogue& catalogue, std::span<const long long> rowids,
                        SongLineFinder& finder, SongHits& hits, QString* error) {
    std::vector<quint32> starts;
    int position = 0;
    const bool read = read_album_songs(
        catalogue, rowids,
        [&](const AlbumSongsView& album) {
            // A rowid no longer in the file is passed over: the position goes to the next one.
            while (rowids[std::size_t(position)] != album.rowid())
                ++position;
            const int at = position++;
            return add_album_lines(
                album, [at](long long) { return at; }, finder, starts, hits);
        },
        error);
    hits.order_by_position();
    return read;
}

bool find_song_lines_from(Catalogue& catalogue, const RowPositions& positions, int from,
                          long long first_rowid, long long last_rowid, SongLineFinder& finder,
                          std::stop_token stop, SongHits& hits, QString* error) {
    std::vector<quint32> starts;
    return for_each_album_songs(
        catalogue, first_rowid, last_rowid,
        [&](const AlbumSongsView& album) {
            if (stop.stop_requested())
                return false;
            const auto position_of = [&](long long rowid) {
                const int position = positions.position_of(rowid);
                return position >= from ? position : -1;
            };
            return add_album_lines(album, position_of, finder, starts, hits);
        },
        error);
}

std::optional<FoundLine> read_found_line(Catalogue& catalogue, const SongHits::Line& line,
                                         SongLineFinder& finder) {
    std::optional<FoundLine> found;
    std::vector<quint32> starts;
    const long long rowid = line.rowid;
    read_album_songs(
        catalogue, std::span(&rowid, 1),
        [&](const AlbumSongsView& album) {
            if (album_identity(album.artist(), album.album()) != line.identity)
                return false;
            finder.find(album.songs(), starts);
            if (std::binary_search(starts.begin(), starts.end(), line.start))
                found = FoundLine{SongLineFinder::line_at(album.songs(), line.start),
                                  text_of(album.artist()) + QStringLiteral(" - ") +
                                      text_of(album.album()),
                                  QStringLiteral("CD ") + text_of(album.cd())};
            return false;
        },
        nullptr);
    return found;
}

} // namespace vinylix
