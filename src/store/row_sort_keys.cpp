#include "row_sort_keys.h"

#include "collation.h"

#include <algorithm>
#include <numeric>

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

// The prefix of a key whose unit `k` is `unit(k)` (0 past its end).
template <std::size_t N, typename Unit> KeyPrefix<N> packed(const Unit& unit) {
    KeyPrefix<N> prefix{};
    for (std::size_t k = 0; k < 4 * N; ++k)
        prefix[k / 4] = (prefix[k / 4] << 16) | unit(qsizetype(k));
    return prefix;
}

template <std::size_t N> KeyPrefix<N> prefix_of(QStringView key) {
    return packed<N>(
        [&](qsizetype k) { return k < key.size() ? std::uint64_t(key[k].unicode()) : 0u; });
}

} // namespace

KeyPrefix<2> key_prefix(QStringView key) {
    return prefix_of<2>(key);
}

std::vector<std::uint32_t> artist_ranks(const RowStore& rows) {
    // Only the distinct spellings are sorted: a longer prefix settles more of them at once.
    struct Spelling {
        KeyPrefix<4> prefix;
        QStringView key;
        std::uint32_t number;
    };
    std::vector<Spelling> spellings(rows.spelling_count());
    for (std::uint32_t n = 0; n < spellings.size(); ++n) {
        const QString& key = rows.spelling_key(n);
        spellings[n] = {prefix_of<4>(key), key, n};
    }
    std::sort(spellings.begin(), spellings.end(), [](const Spelling& a, const Spelling& b) {
        return a.prefix != b.prefix ? a.prefix < b.prefix : a.key.compare(b.key) < 0;
    });
    std::vector<std::uint32_t> rank_of_spelling(spellings.size());
    std::uint32_t next = 0;
    for (std::size_t k = 0; k < spellings.size(); ++k) {
        const Spelling& before = spellings[k > 0 ? k - 1 : 0];
        if (k > 0 && (spellings[k].prefix != before.prefix || spellings[k].key != before.key))
            ++next;
        rank_of_spelling[spellings[k].number] = next;
    }
    std::vector<std::uint32_t> rank(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        rank[i] = rank_of_spelling[rows.spelling(i)];
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

KeyPrefix<2> FieldOrder::prefix(std::size_t i) const {
    if (!plain_[i])
        return key_prefix(keys_[i]);
    // A plain value's key is its small letters, a NUL and its small letters again.
    const QByteArrayView text = rows_.utf8(i, field_);
    return packed<2>([&](qsizetype k) {
        const qsizetype at = k < text.size() ? k : k - text.size() - 1;
        return at >= 0 && at < text.size() ? std::uint64_t(small(text[at])) : 0u;
    });
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
