#include "album_places.h"

#include "column_bytes.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>
#include <cstdint>

namespace vinylix {

namespace {

QUtf8StringView column_text(SQLite::Statement& statement, int index) {
    const QByteArrayView bytes = column_bytes(statement, index);
    return QUtf8StringView(bytes.data(), bytes.size());
}

} // namespace

bool for_each_album_place(Catalogue& catalogue, const std::function<void(const AlbumPlace&)>& visit,
                          QString* error) {
    return catalogue.run(
        [&] {
            SQLite::Statement row(catalogue.database(),
                                  "SELECT rowid, Artist, Album, CD FROM vinylix ORDER BY rowid");
            while (row.executeStep())
                visit({row.getColumn(0).getInt64(), column_text(row, 1), column_text(row, 2),
                       column_text(row, 3)});
        },
        error);
}

bool read_stored_albums(Catalogue& catalogue, const std::vector<long long>& rowids,
                        std::vector<StoredAlbum>& albums, QString* error) {
    albums.clear();
    albums.reserve(rowids.size());
    const bool read = catalogue.run(
        [&] {
            // One reading for all: the file is locked and its pages checked once, not per row.
            const SQLite::Transaction reading(catalogue.database());
            SQLite::Statement row(catalogue.database(),
                                  "SELECT Artist, Album, Songs, Cover, Cds, Kbps, CD, Size, Year "
                                  "FROM vinylix WHERE rowid = ?");
            for (const long long rowid : rowids) {
                row.bind(1, static_cast<int64_t>(rowid));
                if (row.executeStep()) {
                    StoredAlbum album{rowid, {}};
                    for (int f = 0; f < field_count; ++f)
                        album.record.fields[std::size_t(f)] =
                            QString::fromUtf8(column_bytes(row, f));
                    albums.push_back(std::move(album));
                }
                row.reset();
            }
        },
        error);
    if (!read)
        albums.clear();
    return read;
}

} // namespace vinylix
