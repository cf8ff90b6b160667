#pragma once

#include <span>
#include <utility>
#include <vector>

namespace vinylix {

// The rowids from `lowest` to `highest` (any two rowids, negative ones and the largest too):
// how many there are, and where to cut them in two halves.
struct RowidSpan {
    long long lowest = 0;
    long long highest = 0;

    // How many rowids the span holds (0 when highest < lowest), at most 2^64 - 1.
    unsigned long long width() const {
        if (highest < lowest)
            return 0;
        const unsigned long long apart =
            static_cast<unsigned long long>(highest) - static_cast<unsigned long long>(lowest);
        return apart == ~0ULL ? apart : apart + 1;
    }
    // The last rowid of the first half: [lowest, middle()] and [middle() + 1, highest].
    long long middle() const {
        return static_cast<long long>(
            static_cast<unsigned long long>(lowest) +
            (static_cast<unsigned long long>(highest) - static_cast<unsigned long long>(lowest)) /
                2);
    }
};

// Where each album stands in a recordset's order, found by its rowid: for a walk over the file
// in rowid order. Rowids 1, 5, 3 in that order give positions 0, 1, 2; rowid 4 has none (-1).
class RowPositions {
public:
    explicit RowPositions(std::span<const long long> rowids_in_order);

    int position_of(long long rowid) const;

private:
    // By rowid in an array when the rowids are few and small (the usual file), else sorted.
    std::vector<int> position_of_rowid_;
    std::vector<std::pair<long long, int>> sorted_;
    bool dense_ = true;
};

} // namespace vinylix
