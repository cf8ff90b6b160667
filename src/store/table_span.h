#pragma once

#include <QtGlobal>

namespace SQLite {
class Database;
}

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

// The lowest and highest rowid of the table, each found at once, not by reading the table
// (0 and 0 when it is empty).
RowidSpan rowid_span(SQLite::Database& database);

// How many albums to expect in the table, without reading it: as many as rowids in `span`, but
// never more than the file's size can hold (a few albums under far-apart rowids).
qint64 expected_rows(SQLite::Database& database, const RowidSpan& span);

} // namespace vinylix
