#include "album_rows.h"

#include "collation.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <algorithm>
#include <cstdint>
#include <numeric>
#include <string>
#include <string_view>
#include <unordered_map>

namespace vinylix {

namespace {

std::vector<Field> columns_of(Query query) {
    if (query == Query::Main)
        return {Field::Artist, Field::Album, Field::Songs, Field::Cover, Field::Cds,
                Field::Kbps,   Field::CD,    Field::Size,  Field::Year};
    return {Field::Artist, Field::Album, Field::Cover, Field::Cds,
            Field::Kbps,   Field::CD,    Field::Size,  Field::Year};
}

std::string select_text(const std::vector<Field>& columns) {
    QStringList names;
    for (Field f : columns)
        names << field_name(f);
    return "SELECT " + names.join(QStringLiteral(", ")).toStdString() +
           " FROM vinylix ORDER BY rowid";
}

// Texts of one column as read; a value equal to the one before it in the column shares its
// text, and so do the short values of columns that repeat them (cover, CDs, bitrate, disc,
// year), so that a large catalogue holds a few thousand of those instead of one per album.
class ColumnTexts {
public:
    explicit ColumnTexts(Field field)
        : pooled_(field == Field::Cover || field == Field::Cds || field == Field::Kbps ||
                  field == Field::CD || field == Field::Year) {}

    QString text(const char* bytes, int size) {
        const std::string_view key(bytes, std::size_t(size));
        if (key == last_bytes_)
            return last_;
        last_bytes_.assign(key);
        if (pooled_ && size <= max_pooled) {
            auto [at, added] = pool_.try_emplace(last_bytes_);
            if (added)
                at->second = QString::fromUtf8(bytes, size);
            last_ = at->second;
        } else {
            last_ = QString::fromUtf8(bytes, size);
        }
        return last_;
    }

private:
    static constexpr int max_pooled = 8;
    bool pooled_;
    std::string last_bytes_;
    QString last_;
    std::unordered_map<std::string, QString> pool_;
};

// The albums in the table's order.
std::vector<AlbumRecord> read_in_table_order(Catalogue& catalogue, Query query) {
    std::vector<AlbumRecord> albums;
    SQLite::Statement count(catalogue.database(), "SELECT count(*) FROM vinylix");
    if (count.executeStep())
        albums.reserve(std::size_t(std::max<int64_t>(0, count.getColumn(0).getInt64())));
    const std::vector<Field> columns = columns_of(query);
    std::vector<ColumnTexts> texts(columns.begin(), columns.end());
    SQLite::Statement row(catalogue.database(), select_text(columns));
    while (row.executeStep()) {
        AlbumRecord& album = albums.emplace_back();
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const SQLite::Column value = row.getColumn(int(c));
            if (const char* text = value.getText(nullptr)) // null stays the empty text
                album[columns[c]] = texts[c].text(text, value.getBytes());
        }
    }
    return albums;
}

// The collation keys of `field` for every album; albums that share the text share the key.
std::vector<QString> keys_of(const std::vector<AlbumRecord>& albums, Field field) {
    std::vector<QString> keys;
    keys.reserve(albums.size());
    const QChar* last = nullptr;
    for (const AlbumRecord& a : albums) {
        const QString& text = a[field];
        if (keys.empty() || text.constData() != last)
            keys.push_back(collation_key(text));
        else
            keys.push_back(keys.back());
        last = text.constData();
    }
    return keys;
}

// Puts the album at order[k] in place k for every k, moving each album at most twice.
void permute(std::vector<AlbumRecord>& albums, std::vector<std::uint32_t>& order) {
    for (std::uint32_t start = 0; start < order.size(); ++start) {
        if (order[start] == start)
            continue;
        AlbumRecord held = std::move(albums[start]);
        std::uint32_t k = start;
        while (order[k] != start) {
            const std::uint32_t from = order[k];
            albums[k] = std::move(albums[from]);
            order[k] = k;
            k = from;
        }
        albums[k] = std::move(held);
        order[k] = k;
    }
}

// Sorts `albums` by the query's keys (artist then album for the main shapes, else the one
// field named), ties in their present order.
void sort_albums(std::vector<AlbumRecord>& albums, Query query) {
    const bool two = query == Query::Main || query == Query::ByArtistAlbum;
    const Field field = query == Query::ByAlbum  ? Field::Album
                        : query == Query::ByYear ? Field::Year
                                                 : Field::Artist;
    const std::vector<QString> first = keys_of(albums, field);
    const std::vector<QString> second =
        two ? keys_of(albums, Field::Album) : std::vector<QString>();
    std::vector<std::uint32_t> order(albums.size());
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        const int c = first[a].compare(first[b]);
        if (c != 0 || !two)
            return c < 0;
        return second[a] < second[b];
    });
    permute(albums, order);
}

} // namespace

std::optional<std::vector<AlbumRecord>> read_albums(const std::shared_ptr<Catalogue>& catalogue,
                                                    Query query, QString* error) {
    if (!catalogue) {
        *error = QStringLiteral("The catalogue is not open.");
        return std::nullopt;
    }
    std::vector<AlbumRecord> albums;
    if (!catalogue->run([&] { albums = read_in_table_order(*catalogue, query); }, error))
        return std::nullopt;
    sort_albums(albums, query);
    return albums;
}

} // namespace vinylix
