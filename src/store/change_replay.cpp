// Putting the rows of a recorded change back, or again: every row checked against the file
// first, so that what another program changed since stays as it is.
#include "catalogue.h"
#include "change_images.h"
#include "change_tables.h"
#include "collation.h"
#include "column_bytes.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <algorithm>
#include <limits>

namespace vinylix {

using namespace change_tables;

namespace {

// More rows than this are not read one by one: the catalogue is read anew instead.
constexpr qint64 rows_read_apart = 10000;

// The rows a replay leaves alone: those not as expected (`named`: another program changed
// them) and those already as the replay would leave them.
const std::string skip = "temp.vinylix_replay_skip";
const std::string not_skipped = "rowid NOT IN (SELECT row FROM " + skip + ")";

QString text_of(SQLite::Statement& statement, int column) {
    return QString::fromUtf8(column_bytes(statement, column));
}

// One replay, from the rows as `expected` to the rows of `target`.
class Replayer {
public:
    // `steps`: the spans of rows checked and inserted, for the progress.
    Replayer(SQLite::Database& db, std::string expected, std::string target,
             const ProgressFn& progress, qint64 steps)
        : db_(db), expected_(std::move(expected)), target_(std::move(target)), progress_(progress),
          total_(steps) {}

    void check_expected(const std::vector<std::pair<long long, long long>>& spans);
    void move_taken_rows(bool few);
    void write(qint64 expected_rows, bool target_empty,
               const std::vector<std::pair<long long, long long>>& spans);
    void tell(Replay& replay, bool few);

private:
    void step() { report_progress(progress_, ++done_, total_); }
    // Runs `statement` once for each span of rowids (its two parameters), a step each.
    void run_over(SQLite::Statement& statement,
                  const std::vector<std::pair<long long, long long>>& spans) {
        for (const auto& [from, to] : spans) {
            statement.bind(1, static_cast<int64_t>(from));
            statement.bind(2, static_cast<int64_t>(to));
            statement.exec();
            statement.reset();
            step();
        }
    }
    std::string only_expected() const { return "rowid NOT IN (SELECT rowid FROM " + target_ + ")"; }
    std::string only_target() const { return "rowid NOT IN (SELECT rowid FROM " + expected_ + ")"; }

    SQLite::Database& db_;
    const std::string expected_;
    const std::string target_;
    const ProgressFn& progress_;
    const qint64 total_;
    qint64 done_ = 0;
};

// Skips each expected row the file no longer holds as expected; names it unless the file
// holds it as the target already.
void Replayer::check_expected(const std::vector<std::pair<long long, long long>>& spans) {
    SQLite::Statement check(
        db_, "INSERT INTO " + skip +
                 " (row, named) SELECT e.rowid, NOT coalesce(CASE WHEN "
                 "t.rowid IS NULL THEN v.rowid IS NULL WHEN v.rowid IS NULL THEN 0 ELSE " +
                 same_row("v", "t") + " END, 0) FROM " + expected_ +
                 " AS e LEFT JOIN main.vinylix AS v ON v.rowid = e.rowid LEFT JOIN " + target_ +
                 " AS t ON t.rowid = e.rowid WHERE e.rowid BETWEEN ? AND ? AND (v.rowid IS NULL "
                 "OR NOT " +
                 same_row("v", "e") + ")");
    run_over(check, spans);
}

// A target row whose rowid another row took meanwhile comes back under a new rowid, now; one
// that the file holds as the target already is skipped.
void Replayer::move_taken_rows(bool few) {
    const std::string join =
        few ? target_ + " AS t CROSS JOIN main.vinylix AS v ON v.rowid = t.rowid"
            : "main.vinylix AS v CROSS JOIN " + target_ + " AS t ON t.rowid = v.rowid";
    SQLite::Statement taken(db_, "SELECT t.rowid, " + same_row("v", "t") + " FROM " + join +
                                     " WHERE t." + only_target());
    std::vector<std::pair<long long, bool>> rows;
    while (taken.executeStep())
        rows.emplace_back(taken.getColumn(0).getInt64(), taken.getColumn(1).getInt() != 0);
    if (rows.empty())
        return;
    long long top = db_.execAndGet("SELECT max(coalesce((SELECT max(rowid) FROM main.vinylix), 0), "
                                   "coalesce((SELECT max(rowid) FROM " +
                                   expected_ +
                                   "), 0), "
                                   "coalesce((SELECT max(rowid) FROM " +
                                   target_ + "), 0))")
                        .getInt64();
    SQLite::Statement skipped(db_, "INSERT INTO " + skip + " (row, named) VALUES (?, 0)");
    SQLite::Statement insert(db_, "INSERT INTO main.vinylix (rowid, " + fields() + ") SELECT ?, " +
                                      fields() + " FROM " + target_ + " WHERE rowid = ?");
    SQLite::Statement renumber(db_, "UPDATE " + target_ + " SET rowid = ? WHERE rowid = ?");
    for (const auto& [rowid, same] : rows) {
        if (same) {
            skipped.bind(1, static_cast<int64_t>(rowid));
            skipped.exec();
            skipped.reset();
            continue;
        }
        if (top == std::numeric_limits<long long>::max())
            throw CatalogueRefusal(QStringLiteral("The catalogue has no row number left."));
        ++top;
        for (SQLite::Statement* statement : {&insert, &renumber}) {
            statement->bind(1, static_cast<int64_t>(top));
            statement->bind(2, static_cast<int64_t>(rowid));
            statement->exec();
            statement->reset();
        }
    }
}

// Deletes, updates and inserts what is left to do. The rows moved to a new rowid lie past
// every span and are in already.
void Replayer::write(qint64 expected_rows, bool target_empty,
                     const std::vector<std::pair<long long, long long>>& spans) {
    // Many rows, every one as expected, and the table holds them alone: it is emptied at once.
    const bool all_go =
        target_empty && expected_rows > rows_read_apart &&
        db_.execAndGet("SELECT count(*) FROM " + skip).getInt64() == 0 &&
        db_.execAndGet("SELECT count(*) FROM main.vinylix").getInt64() == expected_rows;
    if (all_go)
        db_.exec("DELETE FROM main.vinylix");
    else
        db_.exec("DELETE FROM main.vinylix WHERE rowid IN (SELECT rowid FROM " + expected_ +
                 " WHERE " + only_expected() + " AND " + not_skipped + ")");
    // Row by row through the rowids of the rows to change, however large the table.
    db_.exec("UPDATE main.vinylix SET (" + fields() + ") = (SELECT " + fields() + " FROM " +
             target_ + " AS t WHERE t.rowid = vinylix.rowid) WHERE rowid IN (SELECT rowid FROM " +
             target_ + " WHERE rowid IN (SELECT rowid FROM " + expected_ + ") AND " + not_skipped +
             ")");
    SQLite::Statement insert(db_, "INSERT INTO main.vinylix (rowid, " + fields() +
                                      ") SELECT rowid, " + fields() + " FROM " + target_ +
                                      " WHERE rowid BETWEEN ? AND ? AND " + only_target() +
                                      " AND " + not_skipped + " ORDER BY rowid");
    run_over(insert, spans);
}

void Replayer::tell(Replay& replay, bool few) {
    SQLite::Statement named(db_,
                            "SELECT e.Artist, e.Album FROM " + skip + " AS s JOIN " + expected_ +
                                " AS e ON e.rowid = s.row WHERE s.named ORDER BY s.row LIMIT 20");
    while (named.executeStep())
        replay.left_alone << text_of(named, 0) + QStringLiteral(" - ") + text_of(named, 1);
    replay.left_alone_count =
        db_.execAndGet("SELECT count(*) FROM " + skip + " WHERE named").getInt64();
    if (!few)
        return;
    std::vector<long long> rows;
    SQLite::Statement written(db_, "SELECT rowid FROM " + expected_ + " WHERE " + not_skipped +
                                       " UNION SELECT rowid FROM " + target_ + " WHERE " +
                                       not_skipped);
    while (written.executeStep())
        rows.push_back(written.getColumn(0).getInt64());
    replay.rows = std::move(rows);
    struct Sorted {
        QString artist_key, album_key;
        long long rowid;
        AlbumName name;
    };
    std::vector<Sorted> present;
    SQLite::Statement after(db_, "SELECT rowid, Artist, Album FROM " + target_ + " WHERE " +
                                     not_skipped);
    while (after.executeStep()) {
        AlbumName name{text_of(after, 1), text_of(after, 2)};
        present.push_back({collation_key(name.artist), collation_key(name.album),
                           after.getColumn(0).getInt64(), std::move(name)});
    }
    std::sort(present.begin(), present.end(), [](const Sorted& a, const Sorted& b) {
        return std::tie(a.artist_key, a.album_key, a.rowid) <
               std::tie(b.artist_key, b.album_key, b.rowid);
    });
    for (Sorted& album : present)
        replay.albums.push_back(std::move(album.name));
    if (!replay.albums.empty())
        return;
    SQLite::Statement gone(db_, "SELECT Artist FROM " + expected_ + " WHERE " + only_expected() +
                                    " AND " + not_skipped + " ORDER BY rowid LIMIT 1");
    if (gone.executeStep())
        replay.artist = text_of(gone, 0);
}

} // namespace

Replay ChangeImages::replay(Catalogue& catalogue, const RecordedChange& change, bool undo,
                            const ProgressFn& progress) {
    SQLite::Database& db = catalogue.database();
    const std::string expected = undo ? after_table(change.id) : before_table(change.id);
    const std::string target = undo ? before_table(change.id) : after_table(change.id);
    const qint64 expected_rows =
        undo ? change.added + change.changed : change.changed + change.removed;
    const qint64 target_rows =
        undo ? change.changed + change.removed : change.added + change.changed;
    db.exec("CREATE TEMP TABLE IF NOT EXISTS vinylix_replay_skip (row INTEGER PRIMARY KEY, named "
            "INTEGER)");
    db.exec("DELETE FROM " + skip);
    const auto expected_spans = rowid_spans(db, expected);
    const auto target_spans = rowid_spans(db, target);
    Replayer replayer(db, expected, target, progress,
                      qint64(expected_spans.size() + target_spans.size()));
    replayer.check_expected(expected_spans);
    replayer.move_taken_rows(target_rows <= rows_read_apart);
    replayer.write(expected_rows, target_rows == 0, target_spans);
    Replay replay;
    replayer.tell(replay, expected_rows + target_rows <= rows_read_apart);
    return replay;
}

} // namespace vinylix
