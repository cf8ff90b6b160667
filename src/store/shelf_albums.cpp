#include "shelf_albums.h"

#include <QAnyStringView>
#include <QUtf8StringView>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

namespace vinylix {

namespace {

QString text_of(SQLite::Statement& row, int column) {
    const SQLite::Column value = row.getColumn(column);
    return value.isNull() ? QString() : QString::fromUtf8(value.getText(), value.getBytes());
}

// The text of a column, sharing the string of the row before when it holds the same text: an
// artist's albums, the albums of one disc and their years mostly follow one another, and a
// shared string costs no memory of its own.
QString text_like(SQLite::Statement& row, int column, const QString& before) {
    const SQLite::Column value = row.getColumn(column);
    if (value.isNull())
        return {};
    const QUtf8StringView text(value.getText(), value.getBytes());
    return QAnyStringView::equal(text, before) ? before : text.toString();
}

} // namespace

bool read_shelf_albums(Catalogue& catalogue, std::vector<ShelfAlbum>& albums, QString* error) {
    albums.clear();
    const bool read = catalogue.run(
        [&] {
            SQLite::Statement row(catalogue.database(), "SELECT Artist, Album, CD, Size, Year "
                                                        "FROM vinylix ORDER BY rowid");
            ShelfAlbum before;
            while (row.executeStep()) {
                ShelfAlbum album{text_like(row, 0, before.artist), text_of(row, 1),
                                 text_like(row, 2, before.cd), text_of(row, 3),
                                 text_like(row, 4, before.year)};
                before = album;
                albums.push_back(std::move(album));
            }
        },
        error);
    if (!read)
        albums.clear();
    return read;
}

} // namespace vinylix
