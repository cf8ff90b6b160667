#include "row_store.h"

#include "collation.h"

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
    keys_.clear();
}

void RowStore::reserve(std::size_t rows, std::size_t text_bytes) {
    // Room for albums added later, so that a save does not copy every row to grow; memory
    // never written is not taken from the system.
    rows_.reserve(rows + rows / 16 + 256);
    arena_.reserve(text_bytes + text_bytes / 16 + 65536);
}

QString RowStore::artist_key_of(QByteArrayView artist) {
    const QByteArray spelling = artist.toByteArray();
    auto known = keys_.constFind(spelling);
    if (known != keys_.constEnd())
        return known.value();
    QString key = collation_key(QString::fromUtf8(artist));
    // Keys are kept for the spellings met so far: an artist's albums share one key.
    keys_.insert(spelling, key);
    return key;
}

void RowStore::store_text(Row& row, const std::array<QByteArrayView, 8>& fields) {
    row.offset = arena_.size();
    quint32 end = 0;
    for (std::size_t f = 0; f < fields.size(); ++f) {
        arena_.insert(arena_.end(), fields[f].begin(), fields[f].end());
        end += quint32(fields[f].size());
        row.ends[f] = end;
    }
    row.artist_key = artist_key_of(fields[0]);
}

void RowStore::append_utf8(long long rowid, const std::array<QByteArrayView, 8>& fields) {
    Row row;
    row.rowid = rowid;
    store_text(row, fields);
    rows_.push_back(std::move(row));
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
}

void RowStore::replace(std::size_t i, const AlbumRecord& record) {
    // The old text stays in the arena unused; edits are few beside the rows read.
    store_text(rows_[i], views(utf8_fields(record)));
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
        return rows_[i].artist_key == wanted.key;
    const QByteArrayView stored = utf8(i, f);
    if (wanted.is_ascii && is_ascii(stored))
        return same_ascii_ignoring_case(stored, wanted.ascii);
    const QString text = QString::fromUtf8(stored);
    if (f == Field::Album)
        return collation_key(text) == wanted.key;
    return same_text_ignoring_case(text, wanted.text);
}

} // namespace vinylix
