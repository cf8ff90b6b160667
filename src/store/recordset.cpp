#include "recordset.h"

#include "collation.h"

#include <QFile>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <algorithm>
#include <cstdint>
#include <numeric>

namespace vinylix {

struct Recordset::Row {
    long long rowid = 0;
    AlbumRecord record;
    QString artist_key; // collation keys of Artist and Album
    QString album_key;
};

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

QString column_text(SQLite::Statement& statement, int index) {
    const SQLite::Column column = statement.getColumn(index);
    if (column.isNull())
        return {};
    const char* text = column.getText();
    return QString::fromUtf8(text, column.getBytes());
}

} // namespace

Recordset::Recordset(std::shared_ptr<Catalogue> catalogue, Query query)
    : catalogue_(std::move(catalogue)), query_(query), columns_(columns_of(query)) {}

Recordset::~Recordset() = default;

std::unique_ptr<Recordset> Recordset::open(std::shared_ptr<Catalogue> catalogue, Query query,
                                           QString* error) {
    if (!catalogue) {
        *error = QStringLiteral("The catalogue is not open.");
        return nullptr;
    }
    std::unique_ptr<Recordset> set(new Recordset(std::move(catalogue), query));
    if (!set->load(error))
        return nullptr;
    set->sort_rows();
    set->position_ = set->rows_.empty() ? -1 : 0;
    return set;
}

bool Recordset::load(QString* error) {
    rows_.clear();
    const bool read = catalogue_->run(
        [&] {
            SQLite::Statement count(catalogue_->database(), "SELECT count(*) FROM vinylix");
            if (count.executeStep())
                rows_.reserve(std::size_t(std::max<int64_t>(0, count.getColumn(0).getInt64())));
            SQLite::Statement statement(catalogue_->database(), "SELECT rowid, " +
                                                                    column_list(columns_) +
                                                                    " FROM vinylix ORDER BY rowid");
            while (statement.executeStep()) {
                Row row;
                row.rowid = statement.getColumn(0).getInt64();
                for (std::size_t c = 0; c < columns_.size(); ++c)
                    row.record[columns_[c]] = column_text(statement, int(c) + 1);
                compute_keys(row);
                rows_.push_back(std::move(row));
            }
        },
        error);
    if (!read)
        rows_.clear();
    return read;
}

bool Recordset::reload(QString* error) {
    const long long rowid = on_record() ? rows_[std::size_t(position_)].rowid : -1;
    cancel_update();
    const bool read = load(error);
    sort_rows();
    between_ = false;
    position_ = rows_.empty() ? -1 : 0;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].rowid == rowid)
            position_ = (long long)i;
    return read;
}

void Recordset::compute_keys(Row& row) const {
    // Only the keys this query sorts by; finds compare the texts themselves where none is kept.
    const bool artist = query_ != Query::ByAlbum && query_ != Query::ByYear;
    const bool album =
        query_ == Query::Main || query_ == Query::ByArtistAlbum || query_ == Query::ByAlbum;
    if (artist)
        row.artist_key = collation_key(row.record[Field::Artist]);
    if (album)
        row.album_key = collation_key(row.record[Field::Album]);
}

namespace {

// Sorts `rows` by the keys `key_of(row)` gives, ties in their present order, moving each row
// once.
template <typename Row, typename KeyOf> void sort_by(std::vector<Row>& rows, KeyOf key_of) {
    std::vector<std::uint32_t> order(rows.size());
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        return key_of(rows[a]) < key_of(rows[b]);
    });
    std::vector<Row> sorted;
    sorted.reserve(rows.size());
    for (std::uint32_t i : order)
        sorted.push_back(std::move(rows[i]));
    rows = std::move(sorted);
}

// Two keys compared one after the other.
struct KeyPair {
    const QString& first;
    const QString& second;
    bool operator<(const KeyPair& other) const {
        const int c = first.compare(other.first);
        return c != 0 ? c < 0 : second < other.second;
    }
};

} // namespace

void Recordset::sort_rows() {
    switch (query_) {
    case Query::Main:
    case Query::ByArtistAlbum:
        sort_by(rows_, [](const Row& r) { return KeyPair{r.artist_key, r.album_key}; });
        break;
    case Query::ByArtist:
        sort_by(rows_, [](const Row& r) -> const QString& { return r.artist_key; });
        break;
    case Query::ByAlbum:
        sort_by(rows_, [](const Row& r) -> const QString& { return r.album_key; });
        break;
    case Query::ByYear:
        // The year's key stands in the album key's place while sorting, then makes way.
        for (Row& r : rows_)
            r.album_key = collation_key(r.record[Field::Year]);
        sort_by(rows_, [](const Row& r) -> const QString& { return r.album_key; });
        for (Row& r : rows_)
            r.album_key.clear();
        break;
    }
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
    return on_record() ? rows_[std::size_t(position_)].record[f] : QString();
}

QString Recordset::value(Field field) const {
    return value(vinylix::field_name(field));
}

QString Recordset::value(QStringView name) const {
    return value(field_position(name));
}

AlbumRecord Recordset::record() const {
    if (buffer_)
        return buffer_->record;
    return on_record() ? rows_[std::size_t(position_)].record : AlbumRecord{};
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

bool Recordset::matches(const Row& row, int column, const QString& value,
                        const QString& key) const {
    const Field f = columns_[std::size_t(column)];
    if (f == Field::Artist && !row.artist_key.isNull())
        return row.artist_key == key;
    if (f == Field::Album && !row.album_key.isNull())
        return row.album_key == key;
    return same_text_ignoring_case(row.record[f], value);
}

bool Recordset::find_from(std::size_t start, const Criteria& criteria) {
    no_match_ = true;
    const int column = field_position(criteria.field);
    if (column < 0)
        return false;
    const QString key = collation_key(criteria.value);
    for (std::size_t i = start; i < rows_.size(); ++i) {
        if (matches(rows_[i], column, criteria.value, key)) {
            position_ = (long long)i;
            between_ = false;
            no_match_ = false;
            return true;
        }
    }
    return false;
}

bool Recordset::find_first(const Criteria& criteria) {
    return find_from(0, criteria);
}

bool Recordset::find_next(const Criteria& criteria) {
    const long long start = between_ ? position_ : position_ + 1;
    return find_from(std::size_t(std::max(0LL, start)), criteria);
}

void Recordset::add_new() {
    buffer_ = std::make_unique<Row>();
    mode_ = Mode::Adding;
}

bool Recordset::edit() {
    if (!on_record())
        return false;
    buffer_ = std::make_unique<Row>(rows_[std::size_t(position_)]);
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
    Row row = *buffer_;
    compute_keys(row);
    if (mode_ == Mode::Adding) {
        if (!write_insert(row, error))
            return false;
        rows_.push_back(std::move(row));
        if (position_ < 0 && rows_.size() == 1)
            position_ = 0;
    } else {
        if (!write_update(row, error))
            return false;
        const auto at = std::find_if(rows_.begin(), rows_.end(),
                                     [&](const Row& r) { return r.rowid == row.rowid; });
        if (at != rows_.end())
            *at = std::move(row);
    }
    cancel_update();
    return true;
}

bool Recordset::write_insert(Row& row, QString* error) {
    return catalogue_->run(
        [&] {
            const std::string placeholders =
                columns_.size() == 9 ? "?,?,?,?,?,?,?,?,?" : "?,?,?,?,?,?,?,?";
            SQLite::Statement insert(catalogue_->database(), "INSERT INTO vinylix (" +
                                                                 column_list(columns_) +
                                                                 ") VALUES (" + placeholders + ")");
            for (std::size_t c = 0; c < columns_.size(); ++c)
                insert.bind(int(c) + 1, row.record[columns_[c]].toStdString());
            insert.exec();
            row.rowid = catalogue_->database().getLastInsertRowid();
        },
        error);
}

bool Recordset::write_update(const Row& row, QString* error) {
    return catalogue_->run(
        [&] {
            QStringList sets;
            for (Field f : columns_)
                sets << vinylix::field_name(f) + QStringLiteral(" = ?");
            SQLite::Statement change(catalogue_->database(), "UPDATE vinylix SET " +
                                                                 sets.join(u',').toStdString() +
                                                                 " WHERE rowid = ?");
            for (std::size_t c = 0; c < columns_.size(); ++c)
                change.bind(int(c) + 1, row.record[columns_[c]].toStdString());
            change.bind(int(columns_.size()) + 1, static_cast<int64_t>(row.rowid));
            change.exec();
        },
        error);
}

bool Recordset::delete_current(QString* error) {
    if (!on_record()) {
        *error = QStringLiteral("There is no current record.");
        return false;
    }
    const bool deleted = catalogue_->run(
        [&] {
            SQLite::Statement remove(catalogue_->database(), "DELETE FROM vinylix WHERE rowid = ?");
            remove.bind(1, static_cast<int64_t>(rows_[std::size_t(position_)].rowid));
            remove.exec();
        },
        error);
    if (!deleted)
        return false;
    rows_.erase(rows_.begin() + position_);
    between_ = true;
    return true;
}

RecordsetTransaction::RecordsetTransaction(Recordset& set, QString* error)
    : set_(set), transaction_(set.catalogue(), error) {}

RecordsetTransaction::~RecordsetTransaction() {
    if (committed_ || !transaction_.ok())
        return;
    transaction_.roll_back();
    set_.reload(nullptr);
}

bool RecordsetTransaction::commit(QString* error) {
    committed_ = transaction_.commit(error);
    return committed_;
}

} // namespace vinylix
