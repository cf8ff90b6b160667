#pragma once

#include "row_store.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace vinylix {

// The artists of the rows as numbers in collation order: equal numbers for keys equal in
// content, whatever the spelling. Only the keys of the distinct spellings are sorted (n log n
// in the spellings, each compared by its first characters where they differ), and a sort of
// the rows then compares numbers.
std::vector<std::uint32_t> artist_ranks(const RowStore& rows);

// The first 4 × N UTF-16 units of a key packed in N numbers, 0 where the key is shorter: two
// keys whose prefixes differ sort as their prefixes; equal prefixes say nothing.
template <std::size_t N> using KeyPrefix = std::array<std::uint64_t, N>;
// The first eight units of a key: "artist love 12" and "artist night 3" differ in theirs.
KeyPrefix<2> key_prefix(QStringView key);

// One field of the rows ordered as its collation key orders it. Plain ASCII values (no NUL)
// compare byte by byte, small letters for capitals, with no key made; only the others keep a
// key, and a plain value met beside one is given its key when compared.
class FieldOrder {
public:
    FieldOrder(const RowStore& rows, Field field);
    // Fills the keys of rows [begin, end); parts may be filled on different threads.
    void prepare(std::size_t begin, std::size_t end);
    // Negative, zero or positive as row `a`'s key sorts before, with or after row `b`'s.
    int compare(std::size_t a, std::size_t b) const;
    // key_prefix of row `i`'s key, for prepared rows.
    KeyPrefix<2> prefix(std::size_t i) const;

private:
    const RowStore& rows_;
    Field field_;
    std::vector<QString> keys_; // empty for plain values
    std::vector<char> plain_;
};

} // namespace vinylix
