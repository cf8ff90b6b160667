#pragma once

#include <QString>
#include <memory>

namespace SQLite {
class Database;
class Transaction;
} // namespace SQLite

namespace vinylix {

// File name of the catalogue, in the program's folder.
inline const QString catalogue_file_name = QStringLiteral("Vinylix.vnx");

QString catalogue_path(const QString& program_folder);

// The open catalogue database (one table `vinylix`, nine text fields).
// Opening never creates or alters the file.
class Catalogue {
public:
    // Opens an existing catalogue read-write; on failure returns null and says why in `error`.
    static std::shared_ptr<Catalogue> open(const QString& path, QString* error);
    ~Catalogue();

    SQLite::Database& database() { return *db_; }
    const QString& path() const { return path_; }

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

private:
    std::unique_ptr<SQLite::Transaction> transaction_;
};

// Writes an empty catalogue at `path`. Refuses (returns false) if a file is already there.
bool create_empty_catalogue(const QString& path, QString* error);

} // namespace vinylix
