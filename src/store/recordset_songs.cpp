#include "recordset.h"

#include "column_bytes.h"

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
    // Where each rowid stands in the recordset, for a walk in the file's order: by rowid in
    // an array when the rowids are few and small (the usual file), else sorted pairs.
    long long highest = 0;
    for (const RowStore::Row& row : rows_.rows())
        highest = std::max(highest, row.rowid);
    const bool dense = highest < (long long)(4 * rows_.size() + 1024);
    std::vector<int> position_of_rowid;
    std::vector<std::pair<long long, int>> positions;
    if (dense) {
        position_of_rowid.assign(std::size_t(highest) + 1, -1);
        for (std::size_t i = 0; i < rows_.size(); ++i)
            if (rows_.row(i).rowid >= 0)
                position_of_rowid[std::size_t(rows_.row(i).rowid)] = int(i);
    } else {
        positions.resize(rows_.size());
        for (std::size_t i = 0; i < rows_.size(); ++i)
            positions[i] = {rows_.row(i).rowid, int(i)};
        std::sort(positions.begin(), positions.end());
    }
    auto position_of = [&, next = positions.begin()](long long rowid) mutable {
        if (dense)
            return rowid >= 0 && rowid < (long long)position_of_rowid.size()
                       ? position_of_rowid[std::size_t(rowid)]
                       : -1;
        while (next != positions.end() && next->first < rowid)
            ++next;
        return next != positions.end() && next->first == rowid ? next->second : -1;
    };
    return catalogue_->run(
        [&] {
            SQLite::Statement query(catalogue_->database(),
                                    "SELECT rowid, Songs FROM vinylix ORDER BY rowid");
            while (query.executeStep())
                if (const int at = position_of(query.getColumn(0).getInt64()); at >= 0)
                    visit(at, QString::fromUtf8(column_bytes(query, 1)));
        },
        error);
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
