#include "album_batch.h"

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

namespace vinylix {

namespace {

// An artist's album as the duplicate rule compares it.
struct AlbumKey {
    QString artist;
    QString album; // upper case
    bool operator==(const AlbumKey&) const = default;
};

size_t qHash(const AlbumKey& key, size_t seed = 0) {
    return qHashMulti(seed, key.artist, key.album);
}

AlbumKey key_of(const QString& artist, const QString& album) {
    return {artist, album.toUpper()};
}

// The albums the catalogue holds for the artists of the batch, in one pass over its rows.
QSet<AlbumKey> stored_albums(SQLite::Database& db, const std::vector<AlbumRecord>& albums) {
    QSet<QByteArray> artists;
    for (const AlbumRecord& album : albums)
        artists.insert(album[Field::Artist].toUtf8());
    QSet<AlbumKey> stored;
    SQLite::Statement rows(db, "SELECT Artist, Album FROM vinylix");
    while (rows.executeStep()) {
        const SQLite::Column artist = rows.getColumn(0);
        const QByteArray bytes(static_cast<const char*>(artist.getBlob()), artist.getBytes());
        if (artists.contains(bytes))
            stored.insert(key_of(QString::fromUtf8(bytes), rows.getColumn(1).getText()));
    }
    return stored;
}

void store(SQLite::Statement& insert, const AlbumRecord& album) {
    for (int f = 0; f < field_count; ++f)
        insert.bind(f + 1, album.fields[std::size_t(f)].toStdString());
    insert.exec();
    insert.reset();
}

// Applies the duplicate rule to `albums` in their order, storing each one that is no duplicate
// through `insert` when one is given.
std::vector<BatchOutcome> outcomes_of(SQLite::Database& db, const std::vector<AlbumRecord>& albums,
                                      SQLite::Statement* insert) {
    QSet<AlbumKey> known = stored_albums(db, albums);
    std::vector<BatchOutcome> outcomes;
    for (const AlbumRecord& album : albums) {
        const AlbumKey key = key_of(album[Field::Artist], album[Field::Album]);
        const bool duplicate = known.contains(key);
        if (!duplicate) {
            if (insert)
                store(*insert, album);
            known.insert(key);
        }
        outcomes.push_back(duplicate ? BatchOutcome::Duplicate : BatchOutcome::Stored);
    }
    return outcomes;
}

} // namespace

BatchResult add_albums(Catalogue& catalogue, const std::vector<AlbumRecord>& albums) {
    BatchResult result;
    if (albums.empty()) {
        result.ok = true;
        return result;
    }
    CatalogueTransaction transaction(catalogue, &result.error);
    if (!transaction.ok())
        return result;
    std::vector<BatchOutcome> outcomes;
    const bool stored = catalogue.run(
        [&] {
            SQLite::Statement insert(catalogue.database(),
                                     "INSERT INTO vinylix (Artist, Album, Songs, Cover, Cds, "
                                     "Kbps, CD, Size, Year) VALUES (?,?,?,?,?,?,?,?,?)");
            outcomes = outcomes_of(catalogue.database(), albums, &insert);
        },
        &result.error);
    if (!stored || !transaction.commit(&result.error))
        return result;
    result.ok = true;
    result.outcomes = std::move(outcomes);
    return result;
}

BatchResult try_albums(Catalogue& catalogue, const std::vector<AlbumRecord>& albums) {
    BatchResult result;
    if (albums.empty()) {
        result.ok = true;
        return result;
    }
    result.ok =
        catalogue.run([&] { result.outcomes = outcomes_of(catalogue.database(), albums, nullptr); },
                      &result.error);
    if (!result.ok)
        result.outcomes.clear();
    return result;
}

} // namespace vinylix
