#pragma once

#include "row_store.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace vinylix {

// The artists of the rows as numbers in collation order: equal numbers for keys equal in
// content, whatever the spelling. Rows of one spelling share one key, so only the distinct
// keys are compared, and a sort then compares numbers.
std::vector<std::uint32_t> artist_ranks(const RowStore& rows);

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

private:
    const RowStore& rows_;
    Field field_;
    std::vector<QString> keys_; // empty for plain values
    std::vector<char> plain_;
};

} // namespace vinylix
