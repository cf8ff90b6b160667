#include "table_span.h"

#include "raw_statement.h"

#include <algorithm>

namespace vinylix {

RowidSpan rowid_span(SQLite::Database& database) {
    RawStatement span(database, "SELECT (SELECT min(rowid) FROM vinylix), "
                                "(SELECT max(rowid) FROM vinylix)");
    span.step();
    return {span.integer(0), span.integer(1)};
}

qint64 expected_rows(SQLite::Database& database, const RowidSpan& rowids) {
    RawStatement pages(database, "SELECT page_count * page_size FROM pragma_page_count(), "
                                 "pragma_page_size()");
    pages.step();
    constexpr long long smallest_row = 16; // bytes of a row of empty fields, and more
    return qint64(std::min<unsigned long long>(
        rowids.width(),
        static_cast<unsigned long long>(std::max(0LL, pages.integer(0))) / smallest_row));
}

} // namespace vinylix
