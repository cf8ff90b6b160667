#pragma once

#include <span>
#include <utility>
#include <vector>

namespace vinylix {

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
