// Keeping the rows of the catalogue's changes: the images' file, recording row changes through
// triggers of the connection, and deleting every album with its rows kept.
#include "change_images.h"

#include "change_tables.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

namespace vinylix {

using namespace change_tables;

namespace {

// While a recording runs, each row the connection writes leaves its first image before the
// recording (unless the recording added it) in one table and its last image in the other
// (none once it is deleted). The names are looked up in the connection's own temporary
// schema first, so no table of the catalogue's file can stand in for them.
const std::string staged_before = "vinylix_staged_before";
const std::string staged_after = "vinylix_staged_after";

std::string staged_table(const std::string& name) {
    return "CREATE TEMP TABLE IF NOT EXISTS " + name + " (row INTEGER PRIMARY KEY, " + fields() +
           ")";
}

std::string leaving(const std::string& row) {
    return "INSERT OR IGNORE INTO " + staged_before + " SELECT " + row + ".rowid, " +
           fields(row + ".") + " WHERE NOT EXISTS (SELECT 1 FROM " + staged_after +
           " WHERE row = " + row + ".rowid); DELETE FROM " + staged_after + " WHERE row = " + row +
           ".rowid; ";
}

std::string arriving(const std::string& row) {
    return "INSERT OR REPLACE INTO " + staged_after + " SELECT " + row + ".rowid, " +
           fields(row + ".") + "; ";
}

std::string trigger(const char* name, const char* event, const std::string& body) {
    return std::string("CREATE TEMP TRIGGER IF NOT EXISTS ") + name + " AFTER " + event +
           " ON main.vinylix BEGIN " + body + "END";
}

void drop_triggers(SQLite::Database& db) {
    for (const char* name :
         {"vinylix_record_insert", "vinylix_record_delete", "vinylix_record_update"})
        db.exec(std::string("DROP TRIGGER IF EXISTS temp.") + name);
}

void clear_staged(SQLite::Database& db) {
    db.exec("DELETE FROM temp." + staged_before);
    db.exec("DELETE FROM temp." + staged_after);
}

qint64 count(SQLite::Database& db, const std::string& query) {
    return db.execAndGet(query).getInt64();
}

bool attached(SQLite::Database& db) {
    SQLite::Statement attached(db, "SELECT 1 FROM pragma_database_list WHERE name = ?");
    attached.bind(1, schema);
    return attached.executeStep();
}

// Rows staged as they were before the recording are no change: they leave both tables.
void drop_unchanged(SQLite::Database& db) {
    db.exec("CREATE TEMP TABLE IF NOT EXISTS vinylix_unchanged (row INTEGER PRIMARY KEY)");
    db.exec("DELETE FROM temp.vinylix_unchanged");
    db.exec("INSERT INTO temp.vinylix_unchanged SELECT b.row FROM temp." + staged_before +
            " AS b JOIN temp." + staged_after + " AS a ON a.row = b.row WHERE " +
            same_row("b", "a"));
    for (const std::string& table : {staged_before, staged_after})
        db.exec("DELETE FROM temp." + table +
                " WHERE row IN (SELECT row FROM temp.vinylix_unchanged)");
}

// Moves the staged rows into the tables of change `change.id`.
void keep_staged(SQLite::Database& db, const RecordedChange& change) {
    const std::pair<std::string, std::string> moves[] = {{staged_before, before_table(change.id)},
                                                         {staged_after, after_table(change.id)}};
    for (const auto& [staged, kept] : moves) {
        db.exec(create_table(kept));
        db.exec("INSERT INTO " + kept + " (rowid, " + fields() + ") SELECT row, " + fields() +
                " FROM temp." + staged);
    }
}

} // namespace

std::vector<std::pair<long long, long long>> change_tables::rowid_spans(SQLite::Database& db,
                                                                        const std::string& table) {
    SQLite::Statement range(db, "SELECT min(rowid), max(rowid) FROM " + table);
    range.executeStep();
    if (range.getColumn(0).isNull())
        return {};
    const long long low = range.getColumn(0).getInt64();
    const long long high = range.getColumn(1).getInt64();
    // Unsigned, so that the widest range of rowids does not overflow.
    const unsigned long long width = static_cast<unsigned long long>(high) - low;
    const unsigned long long parts = std::clamp(width / 20000 + 1, 1ULL, 100ULL);
    const unsigned long long step = width / parts + 1;
    std::vector<std::pair<long long, long long>> spans;
    for (unsigned long long from = 0; from <= width; from += step) {
        const unsigned long long to = std::min(width, from + step - 1);
        spans.emplace_back(static_cast<long long>(low + from), static_cast<long long>(low + to));
        if (to == width)
            break;
    }
    return spans;
}

ChangeImages::ChangeImages() = default;
ChangeImages::~ChangeImages() = default;

bool ChangeImages::make_file(QString* error) {
    if (folder_)
        return true;
    auto folder = std::make_unique<QTemporaryDir>(QDir::tempPath() +
                                                  QStringLiteral("/vinylix-history-XXXXXX"));
    // An empty file is an empty database; the catalogue's connection attaches files without
    // making them.
    QFile file(folder->filePath(QStringLiteral("history")));
    if (!folder->isValid() || !file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("The change history cannot be kept in the temporary folder "
                                "\"%1\": %2")
                     .arg(QDir::toNativeSeparators(QDir::tempPath()),
                          folder->isValid() ? file.errorString() : folder->errorString());
        return false;
    }
    folder_ = std::move(folder);
    path_ = file.fileName();
    return true;
}

bool ChangeImages::prepare(Catalogue& catalogue, QString* error) {
    if (!make_file(error))
        return false;
    return catalogue.run_aside(
        [&] {
            SQLite::Database& db = catalogue.database();
            if (!attached(db)) {
                SQLite::Statement attach(db, std::string("ATTACH DATABASE ? AS ") + schema);
                attach.bind(1, QFile::encodeName(path_).toStdString());
                attach.exec();
                // The file goes with the program: it needs no journal on disk, no waits for
                // the disk, and no zeroing of what it frees; large pages copy a whole
                // catalogue faster.
                for (const char* pragma : {"page_size = 32768", "journal_mode = MEMORY",
                                           "synchronous = OFF", "secure_delete = OFF"})
                    db.exec(std::string("PRAGMA ") + schema + "." + pragma);
            }
            for (const int id : forgotten_)
                for (const std::string& table : {before_table(id), after_table(id)})
                    db.exec("DROP TABLE IF EXISTS " + table);
            forgotten_.clear();
        },
        error);
}

bool ChangeImages::start(Catalogue& catalogue, QString* error) {
    if (recording_) {
        *error = QStringLiteral("A change is being recorded already.");
        return false;
    }
    if (!prepare(catalogue, error))
        return false;
    static const std::string statements[] = {
        staged_table(staged_before),
        staged_table(staged_after),
        trigger("vinylix_record_insert", "INSERT", arriving("NEW")),
        trigger("vinylix_record_delete", "DELETE", leaving("OLD")),
        trigger("vinylix_record_update", "UPDATE", leaving("OLD") + arriving("NEW")),
    };
    recording_ = catalogue.run_aside(
        [&] {
            SQLite::Database& db = catalogue.database();
            for (const std::string& statement : statements)
                db.exec(statement);
            clear_staged(db);
        },
        error);
    if (!recording_)
        catalogue.run_aside([&] { drop_triggers(catalogue.database()); }, nullptr);
    return recording_;
}

std::optional<RecordedChange> ChangeImages::finish(Catalogue& catalogue, bool keep,
                                                   QString* error) {
    if (!recording_)
        return std::nullopt;
    recording_ = false;
    std::optional<RecordedChange> kept;
    catalogue.run_aside(
        [&] {
            SQLite::Database& db = catalogue.database();
            drop_triggers(db);
            if (!keep) {
                clear_staged(db);
                return;
            }
            SQLite::Transaction transaction(db);
            drop_unchanged(db);
            const std::string before = "temp." + staged_before, after = "temp." + staged_after;
            RecordedChange change;
            change.added = count(db, "SELECT count(*) FROM " + after +
                                         " WHERE row NOT IN (SELECT row FROM " + before + ")");
            change.removed = count(db, "SELECT count(*) FROM " + before +
                                           " WHERE row NOT IN (SELECT row FROM " + after + ")");
            change.changed = count(db, "SELECT count(*) FROM " + before +
                                           " WHERE row IN (SELECT row FROM " + after + ")");
            if (change.added + change.removed + change.changed > 0) {
                change.id = next_id_++;
                keep_staged(db, change);
                kept = change;
            }
            clear_staged(db);
            transaction.commit();
        },
        error);
    return kept;
}

std::optional<RecordedChange> ChangeImages::delete_all(Catalogue& catalogue,
                                                       const ProgressFn& progress, QString* error) {
    if (!prepare(catalogue, error))
        return std::nullopt;
    RecordedChange change;
    change.id = next_id_++;
    const bool deleted = catalogue.write(
        [&] {
            SQLite::Database& db = catalogue.database();
            db.exec(create_table(before_table(change.id)));
            db.exec(create_table(after_table(change.id)));
            SQLite::Statement copy(db, "INSERT INTO " + before_table(change.id) + " (rowid, " +
                                           fields() + ") SELECT rowid, " + fields() +
                                           " FROM main.vinylix WHERE rowid BETWEEN ? AND ?");
            const auto spans = rowid_spans(db, "main.vinylix");
            for (std::size_t i = 0; i < spans.size(); ++i) {
                copy.bind(1, static_cast<int64_t>(spans[i].first));
                copy.bind(2, static_cast<int64_t>(spans[i].second));
                change.removed += copy.exec();
                copy.reset();
                report_progress(progress, qint64(i + 1), qint64(spans.size()));
            }
            // Without a trigger on the table this empties it at once, page by page.
            db.exec("DELETE FROM main.vinylix");
        },
        error);
    if (!deleted)
        return std::nullopt;
    return change;
}

} // namespace vinylix
