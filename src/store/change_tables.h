#pragma once

// The tables that hold the change images, and the pieces of SQL that read and write them
// (change_images.cpp, change_replay.cpp). Their columns have no type, so every value keeps
// the type and bytes the catalogue's table gave it.
#include "album_record.h"

#include <string>
#include <utility>
#include <vector>

namespace SQLite {
class Database;
}

namespace vinylix::change_tables {

// The name the images' file is attached under.
inline constexpr const char* schema = "vinylix_history";

// The rows of change `id` before it and after it, by the catalogue's rowid.
inline std::string before_table(int id) {
    return std::string(schema) + ".before_" + std::to_string(id);
}
inline std::string after_table(int id) {
    return std::string(schema) + ".after_" + std::to_string(id);
}

// "Artist, Album, ..., Year", each name after `prefix` ("OLD." gives "OLD.Artist, ...").
inline std::string fields(const std::string& prefix = {}) {
    std::string list;
    for (const QString& name : field_names())
        list += (list.empty() ? "" : ", ") + prefix + name.toStdString();
    return list;
}

// True in SQL when rows `a` and `b` hold the same values, type and bytes alike (a text never
// equals a BLOB of its bytes; NULL equals NULL); letter case and the table's own collations
// aside.
inline std::string same_row(const std::string& a, const std::string& b) {
    std::string test;
    for (const QString& name : field_names()) {
        const std::string field = name.toStdString();
        test += (test.empty() ? "" : " AND ") + a + "." + field + " IS " + b + "." + field +
                " COLLATE BINARY";
    }
    return "(" + test + ")";
}

// A table of the images' layout: the nine fields, without a type.
inline std::string create_table(const std::string& name) {
    return "CREATE TABLE " + name + " (" + fields() + ")";
}

// The rowids of `table`, from the least to the greatest, cut into up to 100 spans of about
// 20,000 rowids each, for work done span by span with its progress shown; none when the table
// is empty.
std::vector<std::pair<long long, long long>> rowid_spans(SQLite::Database& db,
                                                         const std::string& table);

} // namespace vinylix::change_tables
