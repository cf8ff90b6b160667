#include "album_update.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <cstdint>

namespace vinylix {

namespace {

// "UPDATE vinylix SET Year = ?, Size = ? WHERE rowid = ? AND Artist = ? AND Album = ?": the
// field names are the table's own, every value is bound.
std::string update_text(const AlbumFieldsUpdate& update) {
    QStringList sets;
    for (const auto& [field, value] : update.values)
        sets << field_name(field) + QStringLiteral(" = ?");
    return QStringLiteral("UPDATE vinylix SET %1 WHERE rowid = ? AND Artist = ? AND Album = ?")
        .arg(sets.join(QStringLiteral(", ")))
        .toStdString();
}

void write_one(Catalogue& catalogue, const AlbumFieldsUpdate& update) {
    SQLite::Statement statement(catalogue.database(), update_text(update));
    int place = 0;
    for (const auto& [field, value] : update.values)
        statement.bind(++place, value.toStdString());
    statement.bind(++place, static_cast<int64_t>(update.rowid));
    statement.bind(++place, update.artist.toStdString());
    statement.bind(++place, update.album.toStdString());
    if (statement.exec() != 1)
        throw CatalogueRefusal(catalogue.album_gone(update.artist, update.album));
}

} // namespace

bool update_album_fields(Catalogue& catalogue, const std::vector<AlbumFieldsUpdate>& updates,
                         QString* error) {
    return catalogue.write(
        [&] {
            for (const AlbumFieldsUpdate& update : updates)
                if (!update.values.empty())
                    write_one(catalogue, update);
        },
        error);
}

} // namespace vinylix
