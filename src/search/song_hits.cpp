#include "song_hits.h"

#include <QHashFunctions>
#include <algorithm>

namespace vinylix {

void SongHits::add_album(long long rowid, quint32 identity, int position,
                         std::span<const quint32> starts) {
    albums_.push_back({rowid, identity, quint32(starts_.size())});
    starts_.insert(starts_.end(), starts.begin(), starts.end());
    positions_.push_back(position);
}

void SongHits::take(SongHits&& other) {
    const auto offset = quint32(starts_.size());
    for (Album album : other.albums_) {
        album.first += offset;
        albums_.push_back(album);
    }
    starts_.insert(starts_.end(), other.starts_.begin(), other.starts_.end());
    positions_.insert(positions_.end(), other.positions_.begin(), other.positions_.end());
    other = {};
}

void SongHits::order_by_position() {
    // Positions are few and distinct: each album is put at its position's place.
    const int highest =
        positions_.empty() ? -1 : *std::max_element(positions_.begin(), positions_.end());
    std::vector<int> album_at(std::size_t(highest + 1), -1);
    for (std::size_t a = 0; a < positions_.size(); ++a)
        album_at[std::size_t(positions_[a])] = int(a);
    order_.clear();
    order_.reserve(albums_.size());
    first_line_.clear();
    first_line_.reserve(albums_.size());
    quint32 line = 0;
    for (const int a : album_at) {
        if (a < 0)
            continue;
        order_.push_back(quint32(a));
        first_line_.push_back(line);
        const std::size_t next = std::size_t(a) + 1;
        line += (next < albums_.size() ? albums_[next].first : quint32(starts_.size())) -
                albums_[std::size_t(a)].first;
    }
    positions_ = {};
}

SongHits::Line SongHits::line(std::size_t k) const {
    const auto listed = std::upper_bound(first_line_.begin(), first_line_.end(), quint32(k)) - 1;
    const Album& album = albums_[order_[std::size_t(listed - first_line_.begin())]];
    return {album.rowid, album.identity, starts_[album.first + (quint32(k) - *listed)]};
}

quint32 album_identity(QByteArrayView artist, QByteArrayView album) {
    const std::size_t seed = qHash(artist, std::size_t(0x5EA4C4));
    return quint32(qHash(album, seed ^ (seed >> 29)));
}

} // namespace vinylix
