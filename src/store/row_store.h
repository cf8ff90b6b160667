#pragma once

#include "album_record.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>
#include <vector>

namespace vinylix {

// The rows of a recordset held compactly, so that a catalogue of a million albums fits in a
// few hundred megabytes: each row keeps its rowid, the number of its artist's spelling (whose
// collation key is kept once for all the rows of that spelling), and its eight short fields
// (every field but `Songs`) as UTF-8 in one arena shared by all rows. Song lists stay in the
// file and are read on demand.
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
        quint32 spelling = 0;          // of the artist, once the rows are keyed
    };

    std::size_t size() const { return rows_.size(); }
    bool empty() const { return rows_.empty(); }
    void clear();
    // Forgets which spelling has which number (the rows and the keys stay): rows added later
    // take numbers of their own, whatever their spelling.
    void forget_spellings() { first_rows_ = {}; }
    // Makes room for `rows` rows about to be read: their text is reckoned by the first rows.
    void expect(std::size_t rows);

    // Row `i`'s artist: the number of its spelling, and the collation key of that spelling.
    // Rows whose artists are equal ignoring letter case have equal keys, and rows of one
    // spelling (read together) one number.
    quint32 spelling(std::size_t i) const { return rows_[i].spelling; }
    const QString& artist_key(std::size_t i) const { return spelling_keys_[rows_[i].spelling]; }
    std::size_t spelling_count() const { return spelling_keys_.size(); }
    const QString& spelling_key(quint32 spelling) const { return spelling_keys_[spelling]; }

    Row& row(std::size_t i) { return rows_[i]; }
    const Row& row(std::size_t i) const { return rows_[i]; }
    std::vector<Row>& rows() { return rows_; }

    // Appends a row read from the file (fields as UTF-8, in the order of `short_fields`),
    // its artist not yet keyed.
    void append_utf8(long long rowid, const std::array<QByteArrayView, 8>& fields);
    // Keys the artists of rows [from, size()): each spelling met gets a number and its key
    // once, the rows of a spelling met before share them.
    void key_artists(std::size_t from);
    // Appends the rows of `other` (read after these, not yet keyed).
    void take(RowStore&& other);
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
    quint32 new_spelling(QByteArrayView artist);
    quint32 spelling_of_row(std::size_t i);
    void grow_spelling_table();

    std::vector<Row> rows_;
    std::vector<char> arena_;
    std::size_t expected_rows_ = 0;
    std::vector<QString> spelling_keys_;
    // The first row of each spelling met since the rows were read, plus one (0: a free
    // place), found by the spelling's hash, the next place tried after a taken one: looked up
    // by the bytes in the arena, no copy of them made.
    std::vector<quint32> first_rows_;
    std::size_t spellings_in_table_ = 0;
};

} // namespace vinylix
