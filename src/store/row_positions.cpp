#include "row_positions.h"

#include <algorithm>

namespace vinylix {

RowPositions::RowPositions(std::span<const long long> rowids_in_order) {
    long long highest = 0;
    for (const long long rowid : rowids_in_order)
        highest = std::max(highest, rowid);
    dense_ = highest < (long long)(4 * rowids_in_order.size() + 1024);
    if (dense_) {
        position_of_rowid_.assign(std::size_t(highest) + 1, -1);
        for (std::size_t i = 0; i < rowids_in_order.size(); ++i)
            if (rowids_in_order[i] >= 0)
                position_of_rowid_[std::size_t(rowids_in_order[i])] = int(i);
        return;
    }
    sorted_.resize(rowids_in_order.size());
    for (std::size_t i = 0; i < rowids_in_order.size(); ++i)
        sorted_[i] = {rowids_in_order[i], int(i)};
    std::sort(sorted_.begin(), sorted_.end());
}

int RowPositions::position_of(long long rowid) const {
    if (dense_)
        return rowid >= 0 && rowid < (long long)position_of_rowid_.size()
                   ? position_of_rowid_[std::size_t(rowid)]
                   : -1;
    const auto at = std::lower_bound(sorted_.begin(), sorted_.end(), std::pair(rowid, -1));
    return at != sorted_.end() && at->first == rowid ? at->second : -1;
}

} // namespace vinylix
