// The order of a recordset's rows: by the keys its query sorts by, ties in the file's order
// (rowid), exactly as a fresh read gives them; and finding an artist in that order.
#include "collation.h"
#include "recordset.h"
#include "row_sort_keys.h"

#include <algorithm>
#include <numeric>
#include <thread>

namespace vinylix {

namespace {

bool sorts_by_artist(Query query) {
    return query == Query::Main || query == Query::ByArtist || query == Query::ByArtistAlbum;
}

// The field whose key orders rows after (or, for album and year orders, instead of) the
// artist's; nothing when the artist alone orders them.
std::optional<Field> keyed_field(Query query) {
    switch (query) {
    case Query::Main:
    case Query::ByArtistAlbum:
    case Query::ByAlbum:
        return Field::Album;
    case Query::ByYear:
        return Field::Year;
    case Query::ByArtist:
        break;
    }
    return std::nullopt;
}

// Runs `work(begin, end)` over [0, count) split between two threads.
template <typename Work> void on_both_cores(std::size_t count, Work work) {
    const std::size_t half = count / 2;
    std::thread other([&] { work(half, count); });
    work(std::size_t(0), half);
    other.join();
}

} // namespace

void Recordset::sort_rows() {
    const std::size_t count = rows_.size();
    const bool by_artist = sorts_by_artist(query_);
    const std::vector<std::uint32_t> artist =
        by_artist ? artist_ranks(rows_) : std::vector<std::uint32_t>();
    const std::optional<Field> field = keyed_field(query_);
    std::optional<FieldOrder> keys;
    if (field) {
        keys.emplace(rows_, *field);
        on_both_cores(count,
                      [&](std::size_t begin, std::size_t end) { keys->prepare(begin, end); });
    }
    const auto before = [&](std::uint32_t a, std::uint32_t b) {
        if (by_artist && artist[a] != artist[b])
            return artist[a] < artist[b];
        if (keys) {
            if (const int c = keys->compare(a, b); c != 0)
                return c < 0;
        }
        return rows_.row(a).rowid < rows_.row(b).rowid;
    };
    std::vector<std::uint32_t> order(count);
    std::iota(order.begin(), order.end(), 0u);
    const auto middle = order.begin() + std::ptrdiff_t(count / 2);
    on_both_cores(count, [&](std::size_t begin, std::size_t end) {
        std::sort(order.begin() + std::ptrdiff_t(begin), order.begin() + std::ptrdiff_t(end),
                  before);
    });
    std::inplace_merge(order.begin(), middle, order.end(), before);
    std::vector<RowStore::Row> sorted;
    sorted.reserve(rows_.rows().capacity()); // room kept for albums added later
    for (std::uint32_t i : order)
        sorted.push_back(std::move(rows_.row(i)));
    rows_.rows() = std::move(sorted);
    unordered_.clear();
    in_order_ = true;
}

bool Recordset::ordered_before(std::size_t a, std::size_t b) const {
    if (sorts_by_artist(query_)) {
        if (const int c = rows_.row(a).artist_key.compare(rows_.row(b).artist_key); c != 0)
            return c < 0;
    }
    if (const std::optional<Field> field = keyed_field(query_)) {
        const int c =
            collation_key(rows_.text(a, *field)).compare(collation_key(rows_.text(b, *field)));
        if (c != 0)
            return c < 0;
    }
    return rows_.row(a).rowid < rows_.row(b).rowid;
}

void Recordset::mark_unordered(long long rowid) {
    unordered_.push_back(rowid);
    in_order_ = false;
}

void Recordset::restore_order() {
    if (in_order_)
        return;
    const long long current = on_record() ? rows_.row(std::size_t(position_)).rowid : -1;
    std::vector<long long> moved = std::move(unordered_);
    std::sort(moved.begin(), moved.end());
    moved.erase(std::unique(moved.begin(), moved.end()), moved.end());
    if (moved.size() == 1)
        place_row(moved.front());
    else if (moved.size() * 16 > rows_.size())
        sort_rows();
    else
        place_rows(moved);
    in_order_ = true;
    if (current >= 0 && rows_.row(std::size_t(position_)).rowid != current)
        for (std::size_t i = 0; i < rows_.size(); ++i)
            if (rows_.row(i).rowid == current)
                position_ = (long long)i;
}

// One row out of order among rows in order (the common case: one album saved): it is moved
// straight to its place, and only the rows between its old and new places shift by one.
void Recordset::place_row(long long rowid) {
    std::vector<RowStore::Row>& rows = rows_.rows();
    // An edited row is mostly the current one, an added one the last.
    std::size_t at = rows.size();
    if (on_record() && rows[std::size_t(position_)].rowid == rowid)
        at = std::size_t(position_);
    else if (!rows.empty() && rows.back().rowid == rowid)
        at = rows.size() - 1;
    else
        at = std::size_t(std::find_if(rows.begin(), rows.end(),
                                      [&](const RowStore::Row& r) { return r.rowid == rowid; }) -
                         rows.begin());
    if (at == rows.size())
        return;
    const auto first_not_before = [&](std::size_t low, std::size_t high) {
        while (low < high) {
            const std::size_t mid = (low + high) / 2;
            if (ordered_before(mid, at))
                low = mid + 1;
            else
                high = mid;
        }
        return low;
    };
    const auto it = [&](std::size_t i) { return rows.begin() + std::ptrdiff_t(i); };
    std::size_t place = at;
    if (at > 0 && !ordered_before(at - 1, at)) {
        place = first_not_before(0, at);
        std::rotate(it(place), it(at), it(at + 1));
    } else {
        place = first_not_before(at + 1, rows.size()) - 1;
        std::rotate(it(at), it(at + 1), it(place + 1));
    }
    if (position_ == (long long)at)
        position_ = (long long)place;
    else if (position_ > (long long)at && position_ <= (long long)place)
        --position_;
    else if (position_ >= (long long)place && position_ < (long long)at)
        ++position_;
}

// Several rows out of order: they are taken out in one pass (the others keep their order),
// then each is put back in its place.
void Recordset::place_rows(const std::vector<long long>& moved) {
    std::vector<RowStore::Row>& rows = rows_.rows();
    std::vector<RowStore::Row> taken;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (std::binary_search(moved.begin(), moved.end(), rows[i].rowid))
            taken.push_back(std::move(rows[i]));
        else if (kept++ != i)
            rows[kept - 1] = std::move(rows[i]);
    }
    rows.resize(kept);
    for (RowStore::Row& row : taken) {
        rows.push_back(std::move(row)); // compared from the end, then moved into place
        const std::size_t last = rows.size() - 1;
        std::size_t low = 0, high = last;
        while (low < high) {
            const std::size_t mid = (low + high) / 2;
            if (ordered_before(mid, last))
                low = mid + 1;
            else
                high = mid;
        }
        std::rotate(rows.begin() + std::ptrdiff_t(low), rows.begin() + std::ptrdiff_t(last),
                    rows.end());
    }
}

QStringList Recordset::artist_names(const std::function<void(qint64 done)>& step) const {
    QStringList names;
    const QString* last_key = nullptr;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        // Rows of one spelling share one key, so most comparisons end at the first character.
        const QString& key = rows_.row(i).artist_key;
        if (!last_key || (key.constData() != last_key->constData() && key != *last_key)) {
            names << rows_.text(i, Field::Artist);
            last_key = &key;
        }
        if (step)
            step(qint64(i) + 1);
    }
    return names;
}

std::optional<std::size_t> Recordset::find_artist(std::size_t start,
                                                  const RowStore::Wanted& wanted) {
    const std::vector<RowStore::Row>& rows = rows_.rows();
    if (start >= rows.size())
        return std::nullopt;
    if (in_order_ && sorts_by_artist(query_)) {
        // One artist's rows stand together: the first at or after `start` is found by halving.
        const auto at = std::lower_bound(
            rows.begin() + std::ptrdiff_t(start), rows.end(), wanted.key,
            [](const RowStore::Row& r, const QString& key) { return r.artist_key < key; });
        if (at != rows.end() && at->artist_key == wanted.key)
            return std::size_t(at - rows.begin());
        return std::nullopt;
    }
    for (std::size_t i = start; i < rows.size(); ++i)
        if (rows[i].artist_key == wanted.key)
            return i;
    return std::nullopt;
}

} // namespace vinylix
