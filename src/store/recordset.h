#pragma once

#include "album_record.h"
#include "catalogue.h"
#include "progress.h"
#include "row_store.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace SQLite {
class Statement;
}

namespace vinylix {

// The query shapes the program opens. `Main` selects all nine fields ordered by artist and
// album; the others select every field but `Songs`, ordered as named.
enum class Query { Main, ByArtist, ByAlbum, ByYear, ByArtistAlbum };

// A find criterion: a field (by name, any letter case) equal to a value, compared ignoring
// letter case. The value is data, never parsed, so any character may appear in it.
struct Criteria {
    QString field;
    QString value;
};

// An ordered, updatable view over the rows of one query, with a cursor. Rows added through it
// appear at its end, edited rows stay in place, deleted rows disappear; every write goes to the
// file at once. `restore_order` (or reopening) puts them where a fresh read would.
// Rows are held compactly (see RowStore); a song list is read from the file when asked for.
class Recordset {
public:
    // Reads the rows of `query`; on failure returns null and says why in `error`. `progress`
    // hears of the rows read out of the rows in the table as they are read (the stop answer
    // is not asked: a recordset is read whole).
    static std::unique_ptr<Recordset> open(std::shared_ptr<Catalogue> catalogue, Query query,
                                           QString* error, const ProgressFn& progress = {});
    ~Recordset();

    // Fields of this query, in order.
    int field_count() const { return int(columns_.size()); }
    QString field_name(int position) const;
    // Position of a field named in any letter case; -1 when the query has no such field.
    int field_position(QStringView name) const;

    // Value of the current record (or of the edit buffer while adding or editing);
    // the empty text when there is no current record or this query has no such field.
    // A field is found by its name in this query's own field list, so `value(Field::CD)`
    // is right for every query shape, whatever position the field has in it.
    QString value(Field field) const;
    QString value(QStringView name) const;
    // By position in this query's field list (0 = the first field selected).
    QString value(int position) const;
    AlbumRecord record() const;

    int record_count() const;
    bool eof() const;
    bool bof() const;
    // Zero-based position of the current record; -1 when there is none.
    int absolute_position() const;
    void set_absolute_position(int position);

    void move_first();
    void move_last();
    void move_next();
    void move_previous();

    // Find the first record (from the top) or the next record (after the current one) that
    // meets the criteria. Without a match `no_match()` is true and the cursor stays.
    bool find_first(const Criteria& criteria);
    bool find_next(const Criteria& criteria);
    bool no_match() const { return no_match_; }

    // Start a new record (every field empty) or an edit of the current one; set fields by
    // name; `update` writes the record to the file (for an edit, only the fields whose text
    // changed: the others keep their bytes as stored). After adding, the record that was current
    // stays current; the new one is at the end.
    void add_new();
    bool edit();
    bool set_value(QStringView name, const QString& value);
    bool update(QString* error);
    void cancel_update();
    bool editing() const { return mode_ != Mode::None; }

    // Puts the cursor on the record stored under `rowid` in the file. False, the cursor left
    // where it was, when the recordset does not hold that record.
    bool move_to_row(long long rowid);

    // Deletes the current record from the file; the cursor then stands between its
    // neighbours: the next move_next reaches the record after it.
    bool delete_current(QString* error);

    // Moves the rows added or changed since the rows were last put in order to the places a
    // fresh read of the file would give them, keeping the cursor on its record. Costs a few
    // comparisons per such row, not a new read.
    void restore_order();

    // Each artist once, in the recordset's order (a query sorted by artist, in order), under
    // the spelling of its first record: names equal ignoring letter case are one artist.
    // `step` hears the count of records looked at so far.
    QStringList artist_names(const std::function<void(qint64 done)>& step = {}) const;

    // Every record as a value, in order (song lists read in one pass for the main query);
    // values that repeat from record to record share one text. Nothing when the file fails.
    std::optional<std::vector<AlbumRecord>> records(QString* error);

    // Calls `visit` with the position and the song list of every record, reading the song
    // lists from the file in one pass (in the file's order, not the recordset's).
    bool for_each_song_list(const std::function<void(int position, const QString& songs)>& visit,
                            QString* error);

    // The rows held in memory, in the recordset's order: a pass over every album (the
    // statistics window's) reads them here instead of the file and leaves the cursor alone.
    const RowStore& rows() const { return rows_; }

    // The rowid of every record, in the recordset's order.
    std::vector<long long> rowids() const;

    Catalogue& catalogue() { return *catalogue_; }

    // Reads the rows from the file again and sorts them; the cursor goes back to the record
    // it was on (by row identity) when that record is still there, else to the first.
    // Used after a rolled-back transaction, so the rows in memory are the file's again.
    bool reload(QString* error);

    // True when the file holds other rows than these: since they were read, it was changed
    // other than through this recordset (by another program, or by albums stored through the
    // catalogue itself). False also while the file cannot be read.
    bool changed_elsewhere();
    // Reads the rows again (as `reload`) unless the file is known to hold them still. Inside
    // a transaction, what it read stays true until the commit.
    bool catch_up(QString* error);
    // How many times the rows were read from the file: what shows them can tell by it that
    // they were read again since it was filled.
    int read_count() const { return read_count_; }

    // Runs `work` as one write (Catalogue::write) that changes rows of the file other than
    // through this recordset (an undo, a redo) and names the rowids it wrote, or nothing when
    // they are too many to read one by one. When the file held these rows as the write began,
    // the rows named are read again inside it: a row gone leaves, a new one joins the end, a
    // changed one takes its new texts (restore_order puts them in order), and the recordset
    // stays current. Otherwise changed_elsewhere() tells that the rows are to be read anew.
    bool write_elsewhere(const std::function<std::optional<std::vector<long long>>()>& work,
                         QString* error);

private:
    // The record being added or edited: every field, the song list included.
    struct Buffer {
        long long rowid = 0;
        AlbumRecord record;
        // An edit's record as read: only the fields that differ from it are written.
        std::optional<AlbumRecord> before;
    };
    enum class Mode { None, Adding, Editing };

    Recordset(std::shared_ptr<Catalogue> catalogue, Query query);
    bool load(QString* error, const ProgressFn& progress = {});
    bool has_songs() const { return query_ == Query::Main; }
    QString songs_of(std::size_t row) const;
    bool find_from(std::size_t start, const Criteria& criteria);
    std::optional<std::size_t> find_artist(std::size_t start, const RowStore::Wanted& wanted);
    bool write_insert(Buffer& buffer, QString* error);
    bool write_update(const Buffer& buffer, QString* error);
    // Runs one write of this recordset's rows (Catalogue::write); rows current before it stay
    // current after it.
    bool write_rows(const std::function<void()>& work, QString* error);
    // Inside a write: refuses (CatalogueRefusal) when the row `rowid` no longer holds the
    // album of `read`, which another program deleted or changed since it was read.
    void require_row(long long rowid, const AlbumRecord& read);
    bool on_record() const;
    void read_rows_again(const std::vector<long long>& rowids); // recordset_reread.cpp
    // True when the file holds these rows still (not when it cannot be read).
    bool rows_are_current();
    // Ordering (recordset_order.cpp).
    void sort_rows();
    bool ordered_before(std::size_t a, std::size_t b) const;
    void place_row(long long rowid);
    void place_rows(const std::vector<long long>& moved);
    void mark_unordered(long long rowid);

    std::shared_ptr<Catalogue> catalogue_;
    Query query_;
    std::vector<Field> columns_;
    RowStore rows_;
    // The file's stamp when the rows were read, kept up with this recordset's own writes.
    std::optional<CatalogueStamp> stamp_;
    int read_count_ = 0;
    // Rows put out of order since the last sort, by rowid; none while `in_order_`.
    std::vector<long long> unordered_;
    bool in_order_ = true;
    // The last song list read from the file, by rowid.
    mutable std::optional<std::pair<long long, QString>> songs_cache_;
    // Cursor: -1 before the first record, size() after the last.
    long long position_ = -1;
    bool between_ = false; // the current record was deleted
    bool no_match_ = false;
    Mode mode_ = Mode::None;
    std::unique_ptr<Buffer> buffer_;
};

// A transaction over writes made through one recordset. Unless committed, it rolls the file
// back and, when anything was written, reloads the recordset, so its rows in memory never show
// what the file does not hold.
class RecordsetTransaction {
public:
    RecordsetTransaction(Recordset& set, QString* error);
    ~RecordsetTransaction();
    bool ok() const { return transaction_.ok(); }
    bool commit(QString* error);

private:
    Recordset& set_;
    CatalogueTransaction transaction_;
    std::optional<CatalogueStamp> start_; // to tell whether anything was written
    bool committed_ = false;
};

} // namespace vinylix
