#pragma once

#include "album_record.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <array>
#include <vector>

namespace vinylix {

// The rows of a recordset held compactly, so that a catalogue of a million albums fits in a
// few hundred megabytes: each row keeps its rowid, the collation key of its artist (shared by
// every row of the same spelling), and its eight short fields (every field but `Songs`) as
// UTF-8 in one arena shared by all rows. Song lists stay in the file and are read on demand.
class RowStore {
public:
    // The fields a row keeps, in this order.
    static constexpr std::array<Field, 8> short_fields = {Field::Artist, Field::Album, Field::Cover,
                                                          Field::Cds,    Field::Kbps,  Field::CD,
                                                          Field::Size,   Field::Year};
    // The place of a field among the short fields; -1 for `Songs`.
    static constexpr int slot_of(Field f) {
        return f == Field::Songs ? -1 : int(f) < int(Field::Songs) ? int(f) : int(f) - 1;
    }

    struct Row {
        long long rowid = 0;
        std::size_t offset = 0;        // where the row's text starts in the arena
        std::array<quint32, 8> ends{}; // end of each field, from `offset`
        QString artist_key;            // collation key of the artist
    };

    std::size_t size() const { return rows_.size(); }
    bool empty() const { return rows_.empty(); }
    void clear();
    // Forgets the keys kept by spelling while rows were read (the rows keep theirs).
    void forget_spellings() { keys_ = {}; }
    void reserve(std::size_t rows, std::size_t text_bytes);

    Row& row(std::size_t i) { return rows_[i]; }
    const Row& row(std::size_t i) const { return rows_[i]; }
    std::vector<Row>& rows() { return rows_; }

    // Appends a row read from the file (fields as UTF-8, in the order of `short_fields`).
    void append_utf8(long long rowid, const std::array<QByteArrayView, 8>& fields);
    // Appends a row, or puts new texts into row `i`.
    void append(long long rowid, const AlbumRecord& record);
    void replace(std::size_t i, const AlbumRecord& record);
    void erase(std::size_t i) { rows_.erase(rows_.begin() + std::ptrdiff_t(i)); }

    // A short field of row `i` (the empty text for `Songs`).
    QString text(std::size_t i, Field f) const;
    QByteArrayView utf8(std::size_t i, Field f) const;
    // Row `i` as a record, with an empty song list.
    AlbumRecord record(std::size_t i) const;
    // A value looked for, prepared once for comparing with many rows.
    struct Wanted {
        explicit Wanted(QString text);
        QString text;
        QString key;      // its collation key
        QByteArray ascii; // the text itself when it is plain ASCII
        bool is_ascii = true;
    };
    // True when the field equals the value ignoring letter case: the artist by its key, the
    // album by the same collation, other fields by case folding; plain ASCII without decoding.
    bool same_ignoring_case(std::size_t i, Field f, const Wanted& wanted) const;

private:
    void store_text(Row& row, const std::array<QByteArrayView, 8>& fields);
    QString artist_key_of(QByteArrayView artist);

    std::vector<Row> rows_;
    std::vector<char> arena_;
    // Keys already computed, by the artist's spelling as UTF-8.
    QHash<QByteArray, QString> keys_;
};

} // namespace vinylix
