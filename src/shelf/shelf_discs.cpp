#include "shelf_discs.h"

#include "store/album_record.h"
#include "store/collation.h"
#include "store/numeric_value.h"

#include <QHash>
#include <algorithm>

namespace vinylix {

namespace {

// A disc total is held within this, so that adding one more size (at most 10^15 hundredths)
// can never overflow.
constexpr qint64 total_limit = 9'000'000'000'000'000'000;

// Digit strings without leading zeros compare as numbers by length, then digit by digit.
bool numerically_before(const QString& a, const QString& b) {
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

struct AlbumKey {
    QString artist;
    QString album;
    bool operator<(const AlbumKey& other) const {
        const int c = artist.compare(other.artist);
        return c != 0 ? c < 0 : album < other.album;
    }
};

AlbumKey key_of(const ShelfAlbum& a) {
    return {collation_key(a.artist), collation_key(a.album)};
}

} // namespace

Shelf arrange_shelf(const std::vector<ShelfAlbum>& albums) {
    Shelf shelf;
    QHash<QString, std::size_t> disc_of_number;
    for (std::size_t i = 0; i < albums.size(); ++i) {
        const ShelfAlbum& a = albums[i];
        if (a.cd == audio_cd_label) {
            shelf.audio_cds.push_back(i);
            continue;
        }
        if (!is_disc_number(a.cd)) {
            shelf.not_disc_numbers.push_back(i);
            continue;
        }
        const QString number = disc_number_text(a.cd);
        const auto found = disc_of_number.constFind(number);
        std::size_t d = 0;
        if (found == disc_of_number.constEnd()) {
            d = shelf.discs.size();
            disc_of_number.insert(number, d);
            shelf.discs.push_back({number, {}, 0});
        } else {
            d = found.value();
        }
        ShelfDisc& disc = shelf.discs[d];
        disc.albums.push_back(i);
        if (a.size != not_applicable)
            disc.size_hundredths = std::clamp(disc.size_hundredths + hundredths_value(a.size),
                                              -total_limit, total_limit);
    }
    std::sort(shelf.discs.begin(), shelf.discs.end(), [](const ShelfDisc& a, const ShelfDisc& b) {
        return numerically_before(a.number, b.number);
    });
    shelf.not_disc_numbers = in_album_order(albums, std::move(shelf.not_disc_numbers));
    std::stable_sort(shelf.not_disc_numbers.begin(), shelf.not_disc_numbers.end(),
                     [&](std::size_t a, std::size_t b) { return albums[a].cd < albums[b].cd; });
    return shelf;
}

std::vector<std::size_t> in_album_order(const std::vector<ShelfAlbum>& albums,
                                        std::vector<std::size_t> positions) {
    std::vector<std::pair<AlbumKey, std::size_t>> keyed;
    keyed.reserve(positions.size());
    for (std::size_t p : positions)
        keyed.push_back({key_of(albums[p]), p});
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 0; i < keyed.size(); ++i)
        positions[i] = keyed[i].second;
    return positions;
}

} // namespace vinylix
