#pragma once

#include <QByteArrayView>
#include <SQLiteCpp/Column.h>
#include <SQLiteCpp/Statement.h>

namespace vinylix {

// A text column's UTF-8 bytes as SQLite holds them, valid until the statement steps on;
// a NULL reads as no bytes.
inline QByteArrayView column_bytes(SQLite::Statement& statement, int index) {
    const SQLite::Column column = statement.getColumn(index);
    return column.isNull() ? QByteArrayView() : QByteArrayView(column.getText(), column.getBytes());
}

} // namespace vinylix
