#include "row_store.h"

#include "collation.h"

#include <QHashFunctions>
#include <algorithm>

namespace vinylix {

namespace {

bool is_ascii(QByteArrayView bytes) {
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

bool same_ascii_ignoring_case(QByteArrayView a, QByteArrayView b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = char(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = char(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

} // namespace

void RowStore::clear() {
    rows_.clear();
    arena_.clear();
    spelling_keys_.clear();
    first_rows_.clear();
    spellings_in_table_ = 0;
}

void RowStore::expect(std::size_t rows) {
    // Room for albums added later, so that a save does not copy every row to grow; memory
    // never written is not taken from the system.
    expected_rows_ = rows + rows / 16 + 256;
    rows_.reserve(expected_rows_);
}

quint32 RowStore::new_spelling(QByteArrayView artist) {
    spelling_keys_.push_back(collation_key(QString::fromUtf8(artist)));
    return quint32(spelling_keys_.size() - 1);
}

void RowStore::grow_spelling_table() {
    std::vector<quint32> old = std::move(first_rows_);
    first_rows_.assign(std::max<std::size_t>(1024, old.size() * 2), 0);
    const std::size_t mask = first_rows_.size() - 1;
    for (const quint32 entry : old) {
        if (entry == 0)
            continue;
        std::size_t at = qHash(utf8(entry - 1, Field::Artist)) & mask;
        while (first_rows_[at] != 0)
            at = (at + 1) & mask;
        first_rows_[at] = entry;
    }
}

quint32 RowStore::spelling_of_row(std::size_t i) {
    if (2 * (spellings_in_table_ + 1) > first_rows_.size())
        grow_spelling_table();
    const QByteArrayView artist = utf8(i, Field::Artist);
    const std::size_t mask = first_rows_.size() - 1;
    for (std::size_t at = qHash(artist) & mask;; at = (at + 1) & mask) {
        const quint32 entry = first_rows_[at];
        if (entry == 0) {
            first_rows_[at] = quint32(i + 1);
            ++spellings_in_table_;
            return new_spelling(artist);
        }
        if (utf8(entry - 1, Field::Artist) == artist)
            return rows_[entry - 1].spelling;
    }
}

void RowStore::key_artists(std::size_t from) {
    for (std::size_t i = from; i < rows_.size(); ++i) {
        // An artist's albums mostly follow one another in the file.
        rows_[i].spelling = i > 0 && utf8(i - 1, Field::Artist) == utf8(i, Field::Artist)
                                ? rows_[i - 1].spelling
                                : spelling_of_row(i);
    }
}

void RowStore::take(RowStore&& other) {
    const std::size_t first = rows_.size();
    rows_.reserve(rows_.size() + other.rows_.size());
    // Room for the text of albums added later too, as expect() keeps for their rows: else the
    // first album saved after a start-up copies the whole arena to grow it.
    const std::size_t text = arena_.size() + other.arena_.size();
    arena_.reserve(std::max(arena_.capacity(), text + text / 16 + 65536));
    for (Row row : other.rows_) {
        row.offset += arena_.size();
        rows_.push_back(row);
    }
    arena_.insert(arena_.end(), other.arena_.begin(), other.arena_.end());
    other.clear();
    key_artists(first);
}

void RowStore::store_text(Row& row, const std::array<QByteArrayView, 8>& fields) {
    row.offset = arena_.size();
    quint32 end = 0;
    for (std::size_t f = 0; f < fields.size(); ++f) {
        arena_.insert(arena_.end(), fields[f].begin(), fields[f].end());
        end += quint32(fields[f].size());
        row.ends[f] = end;
    }
}

void RowStore::append_utf8(long long rowid, const std::array<QByteArrayView, 8>& fields) {
    Row row;
    row.rowid = rowid;
    store_text(row, fields);
    rows_.push_back(row);
    // The first rows tell how much text the rows expected will take: room for it all at once,
    // rather than the text copied each time the arena grows.
    constexpr std::size_t sample = 1024;
    if (rows_.size() == sample && expected_rows_ > sample)
        arena_.reserve(arena_.size() / sample * expected_rows_ + 65536);
}

namespace {

std::array<QByteArray, 8> utf8_fields(const AlbumRecord& record) {
    std::array<QByteArray, 8> bytes;
    for (std::size_t f = 0; f < bytes.size(); ++f)
        bytes[f] = record[RowStore::short_fields[f]].toUtf8();
    return bytes;
}

std::array<QByteArrayView, 8> views(const std::array<QByteArray, 8>& bytes) {
    std::array<QByteArrayView, 8> v;
    for (std::size_t f = 0; f < bytes.size(); ++f)
        v[f] = bytes[f];
    return v;
}

} // namespace

void RowStore::append(long long rowid, const AlbumRecord& record) {
    append_utf8(rowid, views(utf8_fields(record)));
    rows_.back().spelling = new_spelling(utf8(rows_.size() - 1, Field::Artist));
}

void RowStore::replace(std::size_t i, const AlbumRecord& record) {
    // The old text stays in the arena unused; edits are few beside the rows read.
    store_text(rows_[i], views(utf8_fields(record)));
    rows_[i].spelling = new_spelling(utf8(i, Field::Artist));
}

QByteArrayView RowStore::utf8(std::size_t i, Field f) const {
    const int slot = slot_of(f);
    if (slot < 0)
        return {};
    const Row& r = rows_[i];
    const quint32 start = slot == 0 ? 0 : r.ends[std::size_t(slot - 1)];
    return QByteArrayView(arena_.data() + r.offset + start, r.ends[std::size_t(slot)] - start);
}

QString RowStore::text(std::size_t i, Field f) const {
    return QString::fromUtf8(utf8(i, f));
}

AlbumRecord RowStore::record(std::size_t i) const {
    AlbumRecord record;
    for (Field f : short_fields)
        record[f] = text(i, f);
    return record;
}

RowStore::Wanted::Wanted(QString value) : text(std::move(value)), key(collation_key(text)) {
    for (const QChar c : text)
        is_ascii = is_ascii && c.unicode() < 0x80;
    if (is_ascii)
        ascii = text.toLatin1();
}

bool RowStore::same_ignoring_case(std::size_t i, Field f, const Wanted& wanted) const {
    if (f == Field::Artist)
        return artist_key(i) == wanted.key;
    const QByteArrayView stored = utf8(i, f);
    if (wanted.is_ascii && is_ascii(stored))
        return same_ascii_ignoring_case(stored, wanted.ascii);
    const QString text = QString::fromUtf8(stored);
    if (f == Field::Album)
        return collation_key(text) == wanted.key;
    return same_text_ignoring_case(text, wanted.text);
}

} // namespace vinylix
