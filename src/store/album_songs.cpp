#include "album_songs.h"

#include "raw_statement.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Transaction.h>
#include <optional>
#include <sqlite3.h>
#include <string>

namespace vinylix {

namespace {

// The columns of the queries here, in this order. A pass over every album leaves out the disc,
// which comes after the song list in a row and costs the engine half again as much as the
// song list itself to reach.
constexpr const char* columns = "SELECT rowid, Songs, Artist, Album FROM vinylix ";
constexpr const char* columns_with_cd = "SELECT rowid, Songs, Artist, Album, CD FROM vinylix ";

} // namespace

long long AlbumSongsView::rowid() const {
    return row_.integer(0);
}

QByteArrayView AlbumSongsView::songs() const {
    return row_.text(1);
}

QByteArrayView AlbumSongsView::artist() const {
    return row_.text(2);
}

QByteArrayView AlbumSongsView::album() const {
    return row_.text(3);
}

QByteArrayView AlbumSongsView::cd() const {
    return row_.text(4);
}

bool for_each_album_songs(Catalogue& catalogue, long long first_rowid, long long last_rowid,
                          const AlbumSongsVisit& visit, QString* error) {
    return catalogue.run(
        [&] {
            RawStatement row(
                catalogue.database(),
                (std::string(columns) + "WHERE rowid BETWEEN ? AND ? ORDER BY rowid").c_str());
            row.bind(1, first_rowid);
            row.bind(2, last_rowid);
            while (row.step())
                if (!visit(AlbumSongsView(row)))
                    return;
        },
        error);
}

bool read_album_songs(Catalogue& catalogue, std::span<const long long> rowids,
                      const AlbumSongsVisit& visit, QString* error) {
    return catalogue.run(
        [&] {
            // One reading for all: the file is locked and its pages checked once, not per row
            // (inside a transaction already open, that transaction is the reading).
            std::optional<SQLite::Transaction> reading;
            if (rowids.size() > 1 && sqlite3_get_autocommit(catalogue.database().getHandle()))
                reading.emplace(catalogue.database());
            RawStatement row(catalogue.database(),
                             (std::string(columns_with_cd) + "WHERE rowid = ?").c_str());
            for (const long long rowid : rowids) {
                row.bind(1, rowid);
                const bool found = row.step();
                if (found && !visit(AlbumSongsView(row)))
                    return;
                row.reset();
            }
        },
        error);
}

} // namespace vinylix
