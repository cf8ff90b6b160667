#include "shelf_albums.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

namespace vinylix {

namespace {

QString text_of(SQLite::Statement& row, int column) {
    const SQLite::Column value = row.getColumn(column);
    return value.isNull() ? QString() : QString::fromUtf8(value.getText(), value.getBytes());
}

} // namespace

bool read_shelf_albums(Catalogue& catalogue, std::vector<ShelfAlbum>& albums, QString* error) {
    albums.clear();
    const bool read = catalogue.run(
        [&] {
            SQLite::Statement row(catalogue.database(), "SELECT Artist, Album, CD, Size, Year "
                                                        "FROM vinylix ORDER BY rowid");
            while (row.executeStep())
                albums.push_back({text_of(row, 0), text_of(row, 1), text_of(row, 2),
                                  text_of(row, 3), text_of(row, 4)});
        },
        error);
    if (!read)
        albums.clear();
    return read;
}

} // namespace vinylix
