#pragma once

#include <QByteArrayView>
#include <SQLiteCpp/Database.h>

struct sqlite3_stmt;

namespace vinylix {

// A statement stepped through SQLite's own interface, for the reads that pass over every
// album: a column is read without the object SQLiteCpp makes for each column read (which
// takes a shared pointer each time, a tenth of a whole catalogue's reading). Failures throw
// SQLite::Exception as SQLiteCpp does, so Catalogue::run words them as it words any other.
class RawStatement {
public:
    RawStatement(SQLite::Database& database, const char* sql);
    ~RawStatement();
    RawStatement(const RawStatement&) = delete;
    RawStatement& operator=(const RawStatement&) = delete;

    // Steps to the next row: false after the last.
    bool step();
    void reset();
    void bind(int index, long long value);

    // A text column's UTF-8 bytes, valid until the statement steps on; NULL, or a column the
    // statement does not have, reads as none.
    QByteArrayView text(int column) const;
    long long integer(int column) const;

private:
    sqlite3* database_;
    sqlite3_stmt* statement_ = nullptr;
};

} // namespace vinylix
