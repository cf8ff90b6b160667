#include "row_sort_keys.h"

#include "collation.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>

namespace vinylix {

namespace {

bool is_plain(QByteArrayView text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return c > 0 && static_cast<unsigned char>(c) < 0x80; });
}

char small(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// The order of two plain values' keys: their small-letter texts, a shorter one first.
int compare_plain(QByteArrayView a, QByteArrayView b) {
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char x = small(a[i]), y = small(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

} // namespace

std::vector<std::uint32_t> artist_ranks(const RowStore& rows) {
    std::vector<std::uint32_t> rank(rows.size());
    std::vector<const QString*> distinct;
    std::unordered_map<const void*, std::uint32_t> slot_of_data;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const QString& key = rows.row(i).artist_key;
        const auto [at, added] =
            slot_of_data.try_emplace(key.constData(), std::uint32_t(distinct.size()));
        if (added)
            distinct.push_back(&key);
        rank[i] = at->second;
    }
    std::vector<std::uint32_t> order(distinct.size());
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(),
              [&](std::uint32_t a, std::uint32_t b) { return *distinct[a] < *distinct[b]; });
    std::vector<std::uint32_t> rank_of_slot(distinct.size());
    std::uint32_t next = 0;
    for (std::size_t k = 0; k < order.size(); ++k) {
        if (k > 0 && *distinct[order[k]] != *distinct[order[k - 1]])
            ++next;
        rank_of_slot[order[k]] = next;
    }
    for (std::uint32_t& r : rank)
        r = rank_of_slot[r];
    return rank;
}

FieldOrder::FieldOrder(const RowStore& rows, Field field)
    : rows_(rows), field_(field), keys_(rows.size()), plain_(rows.size()) {}

void FieldOrder::prepare(std::size_t begin, std::size_t end) {
    for (std::size_t i = begin; i < end; ++i) {
        const QByteArrayView text = rows_.utf8(i, field_);
        plain_[i] = is_plain(text);
        if (!plain_[i])
            keys_[i] = collation_key(QString::fromUtf8(text));
    }
}

int FieldOrder::compare(std::size_t a, std::size_t b) const {
    if (plain_[a] && plain_[b])
        return compare_plain(rows_.utf8(a, field_), rows_.utf8(b, field_));
    const auto key = [&](std::size_t i) {
        return plain_[i] ? collation_key(rows_.text(i, field_)) : keys_[i];
    };
    return key(a).compare(key(b));
}

} // namespace vinylix
