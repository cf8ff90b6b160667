#include "duplicate_groups.h"

#include "album_folding.h"
#include "store/album_record.h"
#include "store/collation.h"
#include "store/numeric_value.h"

#include <QAnyStringView>
#include <algorithm>
#include <tuple>
#include <utility>

namespace vinylix {

namespace {

using Indices = std::vector<std::uint32_t>;

char small_letter(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool is_plain_ascii(QUtf8StringView text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c > 0; });
}

// Negative, zero or positive as `a` sorts before, with or after `b` by their collation keys.
// The key of a plain ASCII text is its small letters, so such texts compare without keys.
int collate(QUtf8StringView a, QUtf8StringView b) {
    if (!is_plain_ascii(a) || !is_plain_ascii(b))
        return collation_key(a.toString()).compare(collation_key(b.toString()));
    const auto [x, y] = std::mismatch(a.begin(), a.end(), b.begin(), b.end(), [](char p, char q) {
        return small_letter(p) == small_letter(q);
    });
    if (x != a.end() && y != b.end())
        return small_letter(*x) < small_letter(*y) ? -1 : 1;
    return int(x != a.end()) - int(y != b.end());
}

// The catalogue's order: by artist, then title, by the collation, then the table's order.
bool in_catalogue_order(const AlbumSummary& a, const AlbumSummary& b) {
    if (const int artist = collate(a.artist(), b.artist()); artist != 0)
        return artist < 0;
    if (const int album = collate(a.album(), b.album()); album != 0)
        return album < 0;
    return a.rowid() < b.rowid();
}

// What makes a copy better than another, compared in this order.
auto merit(const AlbumSummary& copy) {
    return std::make_tuple(copy.songs(), numeric_value(copy.kbps().toString()),
                           hundredths_value(copy.size().toString()));
}

qint64 megabytes_held(const AlbumSummary& copy) {
    return QAnyStringView::equal(copy.cd(), audio_cd_label)
               ? 0
               : hundredths_value(copy.size().toString());
}

// The albums of `albums` that are the same album, group after group, each group a run of
// indices; `ends` gets where each run ends. Albums are sorted by the hash of their keys, and
// only albums of equal hashes have their keys compared.
Indices same_albums(const std::vector<AlbumSummary>& albums, std::vector<std::size_t>& ends) {
    AlbumKeys keys;
    std::vector<std::pair<std::size_t, std::uint32_t>> hashes(albums.size());
    for (std::uint32_t i = 0; i < albums.size(); ++i)
        hashes[i] = {qHash(keys.key(albums[i].artist(), albums[i].album()), 0), i};
    std::sort(hashes.begin(), hashes.end());
    Indices grouped;
    for (std::size_t begin = 0, end = 0; begin < hashes.size(); begin = end) {
        while (end < hashes.size() && hashes[end].first == hashes[begin].first)
            ++end;
        if (end - begin < 2)
            continue;
        std::vector<std::pair<QString, std::uint32_t>> run;
        for (std::size_t i = begin; i < end; ++i)
            run.emplace_back(
                keys.key(albums[hashes[i].second].artist(), albums[hashes[i].second].album())
                    .toString(),
                hashes[i].second);
        std::sort(run.begin(), run.end());
        for (std::size_t k = 0, next = 0; k < run.size(); k = next) {
            while (next < run.size() && run[next].first == run[k].first)
                ++next;
            if (next - k < 2)
                continue;
            for (std::size_t i = k; i < next; ++i)
                grouped.push_back(run[i].second);
            ends.push_back(grouped.size());
        }
    }
    return grouped;
}

// Puts album `grouped[k]` at place k, for every k, and drops the others, moving each album
// once: the summaries are the largest room a search takes.
void gather(std::vector<AlbumSummary>& albums, const Indices& grouped) {
    std::vector<std::uint32_t> place(albums.size(), 0);
    std::vector<bool> taken(albums.size(), false);
    for (std::uint32_t k = 0; k < grouped.size(); ++k) {
        place[grouped[k]] = k;
        taken[grouped[k]] = true;
    }
    auto rest = std::uint32_t(grouped.size());
    for (std::uint32_t i = 0; i < albums.size(); ++i)
        if (!taken[i])
            place[i] = rest++;
    for (std::uint32_t i = 0; i < albums.size(); ++i)
        while (place[i] != i) {
            std::swap(albums[i], albums[place[i]]);
            std::swap(place[i], place[place[i]]);
        }
    albums.resize(grouped.size());
}

DuplicateGroup group_at(std::span<const AlbumSummary> copies, std::size_t first) {
    DuplicateGroup group{first, copies.size(), 0, 0};
    for (std::size_t i = 1; i < copies.size(); ++i)
        if (merit(copies[group.best]) < merit(copies[i]))
            group.best = i;
    for (std::size_t i = 0; i < copies.size(); ++i)
        if (i != group.best)
            group.saving_hundredths += megabytes_held(copies[i]);
    return group;
}

void put_biggest_saving_first(DuplicateGroups& found) {
    std::sort(found.groups.begin(), found.groups.end(),
              [&](const DuplicateGroup& x, const DuplicateGroup& y) {
                  if (x.saving_hundredths != y.saving_hundredths)
                      return x.saving_hundredths > y.saving_hundredths;
                  if (x.count != y.count)
                      return x.count > y.count;
                  return in_catalogue_order(found.copies[x.first], found.copies[y.first]);
              });
}

// The rowids of the albums whose folded names share their hash with another album's: every
// album of a group is among them, and few others. `albums` gets how many were read.
std::optional<std::vector<long long>> candidates(Catalogue& catalogue, const ProgressFn& progress,
                                                 qint64& albums, QString* error) {
    std::vector<std::pair<std::size_t, long long>> hashes;
    bool stopped = false;
    const ProgressFn listen = [&](qint64 done, qint64 total) {
        if (done == 0)
            hashes.reserve(std::size_t(total));
        stopped = !report_progress(progress, done, total);
        return !stopped;
    };
    AlbumKeys keys;
    const bool read = for_each_album_name(
        catalogue,
        [&](long long rowid, QUtf8StringView artist, QUtf8StringView album) {
            hashes.emplace_back(qHash(keys.key(artist, album), 0), rowid);
        },
        listen, error);
    if (!read || stopped)
        return std::nullopt;
    albums = qint64(hashes.size());
    std::sort(hashes.begin(), hashes.end());
    std::vector<long long> rowids;
    for (std::size_t begin = 0, end = 0; begin < hashes.size(); begin = end) {
        while (end < hashes.size() && hashes[end].first == hashes[begin].first)
            ++end;
        for (std::size_t i = begin; end - begin > 1 && i < end; ++i)
            rowids.push_back(hashes[i].second);
    }
    std::sort(rowids.begin(), rowids.end());
    return rowids;
}

} // namespace

DuplicateGroups group_duplicates(std::vector<AlbumSummary> albums) {
    DuplicateGroups found;
    found.albums_compared = qint64(albums.size());
    std::vector<std::size_t> ends;
    gather(albums, same_albums(albums, ends));
    found.copies = std::move(albums);
    for (std::size_t g = 0, first = 0; g < ends.size(); first = ends[g++]) {
        const auto copies = std::span(found.copies).subspan(first, ends[g] - first);
        std::sort(copies.begin(), copies.end(), in_catalogue_order);
        found.groups.push_back(group_at(copies, first));
        found.saving_hundredths += found.groups.back().saving_hundredths;
    }
    put_biggest_saving_first(found);
    return found;
}

std::optional<DuplicateGroups> find_duplicate_groups(Catalogue& catalogue,
                                                     const ProgressFn& progress, QString* error) {
    qint64 albums = 0;
    const std::optional<std::vector<long long>> rowids =
        candidates(catalogue, progress, albums, error);
    if (!rowids)
        return std::nullopt;
    std::vector<AlbumSummary> summaries;
    if (!read_album_summaries(catalogue, *rowids, summaries, error))
        return std::nullopt;
    DuplicateGroups found = group_duplicates(std::move(summaries));
    found.albums_compared = albums;
    return found;
}

} // namespace vinylix
