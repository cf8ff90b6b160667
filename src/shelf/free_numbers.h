#pragma once

#include "shelf_discs.h"

#include <QString>
#include <vector>

namespace vinylix {

// A run of shelf numbers that no disc uses, from `first` to `last` (equal for one number),
// written in digits: "9" to "11".
struct NumberRun {
    QString first;
    QString last;
    bool operator==(const NumberRun&) const = default;
};

// The numbers from 1 up to the highest disc number that no disc uses, as runs in order.
// Discs 1, 2, 5, 7 give 3 to 4 and 6 to 6; discs 3 and 999999999 give 1 to 2 and 4 to
// 999999998; disc 0 frees nothing and takes nothing; no disc, no run.
// `discs` must be in numeric order, as arrange_shelf gives them.
std::vector<NumberRun> free_numbers(const std::vector<ShelfDisc>& discs);

// The runs as one line: a run of three numbers or more as first–last (with an en dash), shorter
// ones number by number: "3, 4, 6", "4, 9–11, 30". No run gives the empty text.
QString free_numbers_text(const std::vector<NumberRun>& runs);

} // namespace vinylix
