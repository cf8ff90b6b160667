#include "recordset.h"

#include "column_bytes.h"
#include "row_positions.h"

#include <QHash>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <algorithm>
#include <cstdint>

// The song lists: the one long field, read from the file when asked rather than kept.

namespace vinylix {

QString Recordset::songs_of(std::size_t row) const {
    const long long rowid = rows_.row(row).rowid;
    if (songs_cache_ && songs_cache_->first == rowid)
        return songs_cache_->second;
    QString songs;
    catalogue_->run(
        [&] {
            SQLite::Statement query(catalogue_->database(),
                                    "SELECT Songs FROM vinylix WHERE rowid = ?");
            query.bind(1, static_cast<int64_t>(rowid));
            if (query.executeStep())
                songs = QString::fromUtf8(column_bytes(query, 0));
        },
        nullptr);
    songs_cache_.emplace(rowid, songs);
    return songs;
}

bool Recordset::for_each_song_list(
    const std::function<void(int position, const QString& songs)>& visit, QString* error) {
    if (!has_songs())
        return true;
    const RowPositions positions(rowids());
    return catalogue_->run(
        [&] {
            SQLite::Statement query(catalogue_->database(),
                                    "SELECT rowid, Songs FROM vinylix ORDER BY rowid");
            while (query.executeStep())
                if (const int at = positions.position_of(query.getColumn(0).getInt64()); at >= 0)
                    visit(at, QString::fromUtf8(column_bytes(query, 1)));
        },
        error);
}

std::vector<long long> Recordset::rowids() const {
    std::vector<long long> rowids(rows_.size());
    for (std::size_t i = 0; i < rows_.size(); ++i)
        rowids[i] = rows_.row(i).rowid;
    return rowids;
}

std::optional<std::vector<AlbumRecord>> Recordset::records(QString* error) {
    std::vector<AlbumRecord> albums(rows_.size());
    // Short values repeat across albums (cover, CDs, bitrate, disc, year): one text each.
    QHash<QByteArrayView, QString> texts;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        for (Field f : RowStore::short_fields) {
            const QByteArrayView bytes = rows_.utf8(i, f);
            if (f == Field::Artist || f == Field::Album || bytes.size() > 8) {
                albums[i][f] = QString::fromUtf8(bytes);
                continue;
            }
            auto known = texts.find(bytes);
            if (known == texts.end())
                known = texts.insert(bytes, QString::fromUtf8(bytes));
            albums[i][f] = known.value();
        }
    if (!for_each_song_list(
            [&](int at, const QString& songs) { albums[std::size_t(at)][Field::Songs] = songs; },
            error))
        return std::nullopt;
    return albums;
}

} // namespace vinylix
