#include "recordset.h"

#include "collation.h"
#include "column_bytes.h"
#include "raw_statement.h"
#include "table_span.h"
#include "two_threads.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>
#include <algorithm>
#include <atomic>
#include <cstdint>
#include <sqlite3.h>

namespace vinylix {

namespace {

std::vector<Field> columns_of(Query query) {
    if (query == Query::Main)
        return {Field::Artist, Field::Album, Field::Songs, Field::Cover, Field::Cds,
                Field::Kbps,   Field::CD,    Field::Size,  Field::Year};
    return {Field::Artist, Field::Album, Field::Cover, Field::Cds,
            Field::Kbps,   Field::CD,    Field::Size,  Field::Year};
}

std::string column_list(const std::vector<Field>& columns) {
    QStringList names;
    for (Field f : columns)
        names << field_name(f);
    return names.join(QStringLiteral(", ")).toStdString();
}

// Fails the write under way: the album `read` is no longer where it was read.
[[noreturn]] void refuse_gone(const Catalogue& catalogue, const AlbumRecord& read) {
    throw CatalogueRefusal(catalogue.album_gone(read[Field::Artist], read[Field::Album]));
}

} // namespace

Recordset::Recordset(std::shared_ptr<Catalogue> catalogue, Query query)
    : catalogue_(std::move(catalogue)), query_(query), columns_(columns_of(query)) {}

Recordset::~Recordset() = default;

std::unique_ptr<Recordset> Recordset::open(std::shared_ptr<Catalogue> catalogue, Query query,
                                           QString* error, const ProgressFn& progress) {
    if (!catalogue) {
        *error = QStringLiteral("The catalogue is not open.");
        return nullptr;
    }
    std::unique_ptr<Recordset> set(new Recordset(std::move(catalogue), query));
    if (!set->load(error, progress))
        return nullptr;
    set->sort_rows();
    set->position_ = set->rows_.empty() ? -1 : 0;
    return set;
}

namespace {

// Below this many rows, a second thread and connection cost more than they save (measured: at
// 8,000 rows 6.6 ms on two against 6.4 ms on one; at 16,000 rows 9.8 ms against 13 ms).
constexpr long long two_readers_from = 16384;

// Reads the short fields of the rows stored under rowids from `first` to `last` into `rows`, in
// the file's order; `read` hears of each row.
template <typename Read>
void read_rows(Catalogue& catalogue, long long first, long long last, RowStore& rows,
               const Read& read) {
    RawStatement row(catalogue.database(),
                     "SELECT rowid, Artist, Album, Cover, Cds, Kbps, CD, Size, Year FROM vinylix "
                     "WHERE rowid BETWEEN ? AND ? ORDER BY rowid");
    row.bind(1, first);
    row.bind(2, last);
    std::array<QByteArrayView, 8> texts;
    while (row.step()) {
        for (int f = 0; f < 8; ++f)
            texts[std::size_t(f)] = row.text(f + 1);
        rows.append_utf8(row.integer(0), texts);
        read();
    }
}

// Reads the rows of `rowids` into `rows`, keyed: the first half on this thread over
// `catalogue`, while the second half is read on a thread of its own over a connection of its
// own (run_on_two_threads: that thread touches only its own rows and connection, and counts
// them in `second_read`). Engine failures throw, as inside Catalogue::run.
template <typename Report>
void read_in_halves(Catalogue& catalogue, const RowidSpan& rowids, qint64 expected, RowStore& rows,
                    std::atomic<qint64>& second_read, const Report& report) {
    RowStore second;
    second.expect(std::size_t(expected / 2));
    QString second_error;
    run_on_two_threads(
        [&] {
            read_rows(catalogue, rowids.lowest, rowids.middle(), rows, report);
            rows.key_artists(0);
        },
        [&] {
            auto own = Catalogue::open(catalogue.path(), &second_error);
            if (own)
                own->run(
                    [&] {
                        read_rows(*own, rowids.middle() + 1, rowids.highest, second,
                                  [&] { ++second_read; });
                    },
                    &second_error);
        });
    if (!second_error.isEmpty())
        throw CatalogueRefusal(second_error);
    rows.take(std::move(second));
}

} // namespace

// The rows are read in rowid order; a large file in two halves on two threads. This connection
// holds the file for reading until both halves are read, so no write lands between them.
// Inside a transaction, all is read here: only this connection sees what it wrote.
bool Recordset::load(QString* error, const ProgressFn& progress) {
    rows_.clear();
    unordered_.clear();
    songs_cache_.reset();
    // Taken before the rows: a change made while they are read shows as one made after.
    stamp_ = catalogue_->stamp();
    ++read_count_;
    SQLite::Database& database = catalogue_->database();
    const bool read = catalogue_->run(
        [&] {
            std::optional<SQLite::Transaction> reading;
            const bool own_reading = sqlite3_get_autocommit(database.getHandle());
            if (own_reading)
                reading.emplace(database);
            const RowidSpan rowids = rowid_span(database);
            const qint64 expected = expected_rows(database, rowids);
            rows_.expect(std::size_t(expected));
            std::atomic<qint64> second_read{0};
            const auto report = [&] {
                if (progress) {
                    const qint64 done = qint64(rows_.size()) + second_read;
                    progress(done, std::max<qint64>(expected, done));
                }
            };
            if (own_reading && expected >= two_readers_from) {
                read_in_halves(*catalogue_, rowids, expected, rows_, second_read, report);
                return;
            }
            read_rows(*catalogue_, rowids.lowest, rowids.highest, rows_, report);
            rows_.key_artists(0);
        },
        error);
    if (!read) {
        rows_.clear();
        stamp_.reset(); // rows not read are never the file's
    }
    rows_.forget_spellings();
    return read;
}

bool Recordset::reload(QString* error) {
    const long long rowid = on_record() ? rows_.row(std::size_t(position_)).rowid : -1;
    cancel_update();
    const bool read = load(error);
    sort_rows();
    between_ = false;
    position_ = rows_.empty() ? -1 : 0;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_.row(i).rowid == rowid)
            position_ = (long long)i;
    return read;
}

bool Recordset::rows_are_current() {
    return stamp_ && catalogue_->stamp() == stamp_;
}

bool Recordset::changed_elsewhere() {
    const std::optional<CatalogueStamp> now = catalogue_->stamp();
    return now && now != stamp_;
}

bool Recordset::catch_up(QString* error) {
    return rows_are_current() || reload(error);
}

QString Recordset::field_name(int position) const {
    if (position < 0 || position >= field_count())
        return {};
    return vinylix::field_name(columns_[std::size_t(position)]);
}

int Recordset::field_position(QStringView name) const {
    for (std::size_t c = 0; c < columns_.size(); ++c)
        if (same_text_ignoring_case(vinylix::field_name(columns_[c]), name))
            return int(c);
    return -1;
}

bool Recordset::on_record() const {
    return !between_ && position_ >= 0 && position_ < (long long)rows_.size();
}

QString Recordset::value(int position) const {
    if (position < 0 || position >= field_count())
        return {};
    const Field f = columns_[std::size_t(position)];
    if (buffer_)
        return buffer_->record[f];
    if (!on_record())
        return {};
    return f == Field::Songs ? songs_of(std::size_t(position_))
                             : rows_.text(std::size_t(position_), f);
}

QString Recordset::value(Field field) const {
    const auto at = std::find(columns_.begin(), columns_.end(), field);
    return at == columns_.end() ? QString() : value(int(at - columns_.begin()));
}

QString Recordset::value(QStringView name) const {
    return value(field_position(name));
}

AlbumRecord Recordset::record() const {
    if (buffer_)
        return buffer_->record;
    if (!on_record())
        return {};
    AlbumRecord record = rows_.record(std::size_t(position_));
    if (has_songs())
        record[Field::Songs] = songs_of(std::size_t(position_));
    return record;
}

int Recordset::record_count() const {
    return int(rows_.size());
}

bool Recordset::eof() const {
    return rows_.empty() || position_ >= (long long)rows_.size();
}

bool Recordset::bof() const {
    return rows_.empty() || position_ < 0;
}

int Recordset::absolute_position() const {
    return on_record() ? int(position_) : -1;
}

void Recordset::set_absolute_position(int position) {
    if (position >= 0 && position < record_count()) {
        position_ = position;
        between_ = false;
    }
}

void Recordset::move_first() {
    between_ = false;
    position_ = rows_.empty() ? -1 : 0;
}

void Recordset::move_last() {
    between_ = false;
    position_ = (long long)rows_.size() - 1;
}

void Recordset::move_next() {
    if (between_)
        between_ = false; // the row after the deleted one already stands at the cursor
    else if (position_ < (long long)rows_.size())
        ++position_;
}

void Recordset::move_previous() {
    between_ = false;
    if (position_ >= 0)
        --position_;
}

bool Recordset::move_to_row(long long rowid) {
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_.row(i).rowid == rowid) {
            position_ = (long long)i;
            between_ = false;
            return true;
        }
    return false;
}

bool Recordset::find_from(std::size_t start, const Criteria& criteria) {
    no_match_ = true;
    const int column = field_position(criteria.field);
    if (column < 0)
        return false;
    const Field field = columns_[std::size_t(column)];
    const RowStore::Wanted wanted(criteria.value);
    std::optional<std::size_t> found;
    if (field == Field::Artist) {
        found = find_artist(start, wanted);
    } else {
        for (std::size_t i = start; i < rows_.size() && !found; ++i)
            if (field == Field::Songs ? same_text_ignoring_case(songs_of(i), wanted.text)
                                      : rows_.same_ignoring_case(i, field, wanted))
                found = i;
    }
    if (!found)
        return false;
    position_ = (long long)*found;
    between_ = false;
    no_match_ = false;
    return true;
}

bool Recordset::find_first(const Criteria& criteria) {
    return find_from(0, criteria);
}

bool Recordset::find_next(const Criteria& criteria) {
    const long long start = between_ ? position_ : position_ + 1;
    return find_from(std::size_t(std::max(0LL, start)), criteria);
}

void Recordset::add_new() {
    buffer_ = std::make_unique<Buffer>();
    mode_ = Mode::Adding;
}

bool Recordset::edit() {
    if (!on_record())
        return false;
    auto buffer = std::make_unique<Buffer>();
    buffer->rowid = rows_.row(std::size_t(position_)).rowid;
    buffer->record = record(); // the song list too
    buffer->before = buffer->record;
    buffer_ = std::move(buffer);
    mode_ = Mode::Editing;
    return true;
}

bool Recordset::set_value(QStringView name, const QString& value) {
    const int column = field_position(name);
    if (!buffer_ || column < 0)
        return false;
    buffer_->record[columns_[std::size_t(column)]] = value;
    return true;
}

void Recordset::cancel_update() {
    buffer_.reset();
    mode_ = Mode::None;
}

bool Recordset::update(QString* error) {
    if (!buffer_) {
        *error = QStringLiteral("No record is being added or edited.");
        return false;
    }
    Buffer written = *buffer_;
    if (mode_ == Mode::Adding) {
        if (!write_insert(written, error))
            return false;
        rows_.append(written.rowid, written.record);
        if (position_ < 0 && rows_.size() == 1)
            position_ = 0;
    } else {
        if (!write_update(written, error))
            return false;
        for (std::size_t i = 0; i < rows_.size(); ++i)
            if (rows_.row(i).rowid == written.rowid)
                rows_.replace(i, written.record);
    }
    if (has_songs())
        songs_cache_.emplace(written.rowid, written.record[Field::Songs]);
    mark_unordered(written.rowid);
    cancel_update();
    return true;
}

bool Recordset::write_rows(const std::function<void()>& work, QString* error) {
    return catalogue_->write(
        [&] {
            const bool current = rows_are_current(); // the file is held: nothing changes it now
            work();
            if (current)
                stamp_ = catalogue_->stamp();
        },
        error);
}

void Recordset::require_row(long long rowid, const AlbumRecord& read) {
    SQLite::Statement row(catalogue_->database(),
                          "SELECT Artist, Album FROM vinylix WHERE rowid = ?");
    row.bind(1, static_cast<int64_t>(rowid));
    if (!row.executeStep() || QString::fromUtf8(column_bytes(row, 0)) != read[Field::Artist] ||
        QString::fromUtf8(column_bytes(row, 1)) != read[Field::Album])
        refuse_gone(*catalogue_, read);
}

bool Recordset::write_insert(Buffer& buffer, QString* error) {
    return write_rows(
        [&] {
            const std::string placeholders =
                columns_.size() == 9 ? "?,?,?,?,?,?,?,?,?" : "?,?,?,?,?,?,?,?";
            SQLite::Statement insert(catalogue_->database(), "INSERT INTO vinylix (" +
                                                                 column_list(columns_) +
                                                                 ") VALUES (" + placeholders + ")");
            for (std::size_t c = 0; c < columns_.size(); ++c)
                insert.bind(int(c) + 1, buffer.record[columns_[c]].toStdString());
            insert.exec();
            buffer.rowid = catalogue_->database().getLastInsertRowid();
        },
        error);
}

bool Recordset::write_update(const Buffer& buffer, QString* error) {
    // Only the fields given a new text are written: the others keep their bytes in the file,
    // also those that are no valid UTF-8 or are NULL, which a text read back would change.
    // The row must still hold the album that was read, also when no field changed: an album
    // another program took away never shows as saved.
    std::vector<Field> changed;
    for (Field f : columns_)
        if (buffer.record[f] != (*buffer.before)[f])
            changed.push_back(f);
    return write_rows(
        [&] {
            require_row(buffer.rowid, *buffer.before);
            if (changed.empty())
                return;
            QStringList sets;
            for (Field f : changed)
                sets << vinylix::field_name(f) + QStringLiteral(" = ?");
            SQLite::Statement change(catalogue_->database(), "UPDATE vinylix SET " +
                                                                 sets.join(u',').toStdString() +
                                                                 " WHERE rowid = ?");
            for (std::size_t c = 0; c < changed.size(); ++c)
                change.bind(int(c) + 1, buffer.record[changed[c]].toStdString());
            change.bind(int(changed.size()) + 1, static_cast<int64_t>(buffer.rowid));
            if (change.exec() != 1)
                refuse_gone(*catalogue_, *buffer.before);
        },
        error);
}

bool Recordset::delete_current(QString* error) {
    if (!on_record()) {
        *error = QStringLiteral("There is no current record.");
        return false;
    }
    const long long rowid = rows_.row(std::size_t(position_)).rowid;
    const AlbumRecord read = rows_.record(std::size_t(position_));
    const bool deleted = write_rows(
        [&] {
            require_row(rowid, read);
            SQLite::Statement remove(catalogue_->database(), "DELETE FROM vinylix WHERE rowid = ?");
            remove.bind(1, static_cast<int64_t>(rowid));
            if (remove.exec() != 1)
                refuse_gone(*catalogue_, read);
        },
        error);
    if (!deleted)
        return false;
    rows_.erase(std::size_t(position_));
    std::erase(unordered_, rowid);
    if (songs_cache_ && songs_cache_->first == rowid)
        songs_cache_.reset();
    between_ = true;
    return true;
}

RecordsetTransaction::RecordsetTransaction(Recordset& set, QString* error)
    : set_(set), transaction_(set.catalogue(), error), start_(set.catalogue().stamp()) {}

RecordsetTransaction::~RecordsetTransaction() {
    if (committed_ || !transaction_.ok())
        return;
    transaction_.roll_back();
    if (set_.catalogue().stamp() != start_)
        set_.reload(nullptr);
}

bool RecordsetTransaction::commit(QString* error) {
    committed_ = transaction_.commit(error);
    return committed_;
}

} // namespace vinylix
