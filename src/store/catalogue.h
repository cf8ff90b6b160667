#pragma once

#include <QString>
#include <functional>
#include <memory>

namespace SQLite {
class Database;
class Transaction;
} // namespace SQLite

namespace vinylix {

// File name of the catalogue, in the program's folder.
inline const QString catalogue_file_name = QStringLiteral("Vinylix.vnx");

QString catalogue_path(const QString& program_folder);

// How long a write waits for another program that holds the file before it gives up.
inline constexpr int catalogue_busy_timeout_ms = 4000;

// The open catalogue database (one table `vinylix`, nine text fields).
// Opening never creates or alters the file.
class Catalogue {
public:
    // Opens an existing catalogue read-write; on failure returns null and says why in `error`
    // ("The catalogue file "/x/Vinylix.vnx" could not be found.").
    static std::shared_ptr<Catalogue> open(const QString& path, QString* error);
    ~Catalogue();

    SQLite::Database& database() { return *db_; }
    const QString& path() const { return path_; }

    // Runs `work` against the engine. When the engine fails, returns false and puts in `error`
    // the reason in the program's words, naming the file: "The catalogue file "/x/Vinylix.vnx"
    // is read-only.", "... is in use by another program.", "... is not a catalogue file or is
    // damaged.", "The disk that holds ... is full." No engine exception leaves this call.
    bool run(const std::function<void()>& work, QString* error);

private:
    Catalogue(std::unique_ptr<SQLite::Database> db, QString path);
    std::unique_ptr<SQLite::Database> db_;
    QString path_;
};

// Groups many writes into one transaction that rolls back unless committed, so a failure
// or a crash leaves either the old or the new catalogue.
class CatalogueTransaction {
public:
    // On failure to begin, `ok()` is false and `error` says why.
    CatalogueTransaction(Catalogue& catalogue, QString* error);
    ~CatalogueTransaction();
    bool ok() const { return transaction_ != nullptr; }
    bool commit(QString* error);
    // Undoes the writes now rather than at the end of the guard's life.
    void roll_back();

private:
    Catalogue& catalogue_;
    std::unique_ptr<SQLite::Transaction> transaction_;
};

// Deletes every album of the catalogue in one transaction: all go or, on a failure, none.
bool delete_all_albums(Catalogue& catalogue, QString* error);

// Writes an empty catalogue at `path`. Refuses (returns false) if a file is already there.
bool create_empty_catalogue(const QString& path, QString* error);

} // namespace vinylix
