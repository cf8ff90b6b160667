#include "raw_statement.h"

#include <SQLiteCpp/Exception.h>
#include <sqlite3.h>

namespace vinylix {

RawStatement::RawStatement(SQLite::Database& database, const char* sql)
    : database_(database.getHandle()) {
    const int result = sqlite3_prepare_v2(database_, sql, -1, &statement_, nullptr);
    if (result != SQLITE_OK)
        throw SQLite::Exception(database_, result);
}

RawStatement::~RawStatement() {
    sqlite3_finalize(statement_);
}

bool RawStatement::step() {
    const int result = sqlite3_step(statement_);
    if (result == SQLITE_ROW)
        return true;
    if (result != SQLITE_DONE)
        throw SQLite::Exception(database_, result);
    return false;
}

void RawStatement::reset() {
    sqlite3_reset(statement_);
}

void RawStatement::bind(int index, long long value) {
    const int result = sqlite3_bind_int64(statement_, index, value);
    if (result != SQLITE_OK)
        throw SQLite::Exception(database_, result);
}

QByteArrayView RawStatement::text(int column) const {
    if (column >= sqlite3_column_count(statement_))
        return {};
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
    return text ? QByteArrayView(text, sqlite3_column_bytes(statement_, column)) : QByteArrayView();
}

long long RawStatement::integer(int column) const {
    return sqlite3_column_int64(statement_, column);
}

} // namespace vinylix
