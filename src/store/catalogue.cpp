#include "catalogue.h"

#include "whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>
#include <sqlite3.h>

namespace vinylix {

namespace {

QString quoted(const QString& path) {
    return u'"' + QDir::toNativeSeparators(path) + u'"';
}

// The engine's failure in the program's words. Codes are compared by their primary part, so
// extended codes (SQLITE_READONLY_DBMOVED, SQLITE_IOERR_WRITE, ...) fall under their family.
QString reason_of(const std::exception& failure, const QString& path) {
    if (const auto* refusal = dynamic_cast<const CatalogueRefusal*>(&failure))
        return refusal->reason();
    const auto* engine = dynamic_cast<const SQLite::Exception*>(&failure);
    const int code = engine ? (engine->getErrorCode() & 0xff) : SQLITE_ERROR;
    const QString file = quoted(path);
    switch (code) {
    case SQLITE_READONLY:
    case SQLITE_PERM:
        return QStringLiteral("The catalogue file %1 is read-only.").arg(file);
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("The catalogue file %1 is in use by another program. Please try "
                              "again when it is free.")
            .arg(file);
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return QStringLiteral("The catalogue file %1 is not a catalogue file or is damaged.")
            .arg(file);
    case SQLITE_FULL:
        return QStringLiteral("The disk that holds the catalogue file %1 is full.").arg(file);
    case SQLITE_CANTOPEN:
        return QStringLiteral("The catalogue file %1 could not be opened.").arg(file);
    case SQLITE_IOERR:
        return QStringLiteral("The catalogue file %1 could not be read or written.").arg(file);
    default:
        // A table or field missing from the file, or another refusal of the engine.
        return QStringLiteral("The catalogue file %1 could not be used (%2).")
            .arg(file, QString::fromUtf8(failure.what()));
    }
}

} // namespace

QString catalogue_path(const QString& program_folder) {
    return QDir(program_folder).filePath(catalogue_file_name);
}

Catalogue::Catalogue(std::unique_ptr<SQLite::Database> db, QString path)
    : db_(std::move(db)), path_(std::move(path)) {}

Catalogue::~Catalogue() = default;

std::shared_ptr<Catalogue> Catalogue::open(const QString& path, QString* error,
                                           CatalogueAccess access) {
    const QFileInfo info(path);
    if (!info.exists()) {
        *error = QStringLiteral("The catalogue file %1 could not be found.").arg(quoted(path));
        return nullptr;
    }
    if (!info.isFile()) {
        *error = QStringLiteral("The catalogue file %1 is not a file.").arg(quoted(path));
        return nullptr;
    }
    try {
        // Without CREATE: SQLite never makes the file. A file the user may not write opens
        // for reading only and later writes report it; so does a file without any write bit,
        // also where the user could write it all the same (root). The program uses the
        // connection from one thread only, so SQLite's own locking is left out.
        const bool read_only = access == CatalogueAccess::ReadOnly || marked_read_only(path);
        const int mode = read_only ? SQLite::OPEN_READONLY : SQLite::OPEN_READWRITE;
        auto db = std::make_unique<SQLite::Database>(QFile::encodeName(path).toStdString(),
                                                     mode | SQLite::OPEN_NOMUTEX);
        db->setBusyTimeout(catalogue_busy_timeout_ms);
        // Reading the table's nine fields proves the file is a catalogue.
        SQLite::Statement probe(*db, "SELECT Artist, Album, Songs, Cover, Cds, Kbps, CD, Size, "
                                     "Year FROM vinylix LIMIT 1");
        probe.executeStep();
        // Deleted rows are zeroed only where that costs no extra writes: deleting every album
        // of a large catalogue then writes a few pages, not the whole file and its journal.
        db->exec("PRAGMA secure_delete = FAST");
        return std::shared_ptr<Catalogue>(new Catalogue(std::move(db), path));
    } catch (const SQLite::Exception& e) {
        // A file without the table, or with other fields, is no catalogue of ours.
        *error = (e.getErrorCode() & 0xff) == SQLITE_ERROR
                     ? QStringLiteral("The catalogue file %1 is not a catalogue file or is "
                                      "damaged.")
                           .arg(quoted(path))
                     : reason_of(e, path);
        return nullptr;
    } catch (const std::exception& e) {
        *error = reason_of(e, path);
        return nullptr;
    }
}

bool Catalogue::run(const std::function<void()>& work, QString* error) {
    try {
        work();
        return true;
    } catch (const std::exception& e) {
        if (error)
            *error = reason_of(e, path_);
        return false;
    }
}

bool Catalogue::write(const std::function<void()>& work, QString* error) {
    if (!sqlite3_get_autocommit(db_->getHandle()))
        return run(work, error); // the transaction open holds the file already
    return run(
        [&] {
            SQLite::Transaction transaction(*db_, SQLite::TransactionBehavior::IMMEDIATE);
            work();
            transaction.commit();
        },
        error);
}

bool Catalogue::run_aside(const std::function<void()>& work, QString* error) {
    const long long before = sqlite3_total_changes64(db_->getHandle());
    const bool done = run(work, error);
    aside_ += sqlite3_total_changes64(db_->getHandle()) - before;
    return done;
}

std::optional<CatalogueStamp> Catalogue::stamp() {
    std::optional<CatalogueStamp> stamp;
    run(
        [&] {
            stamp = CatalogueStamp{db_->execAndGet("PRAGMA data_version").getInt64(),
                                   sqlite3_total_changes64(db_->getHandle()) - aside_};
        },
        nullptr);
    return stamp;
}

QString Catalogue::album_gone(const QString& artist, const QString& album) const {
    return QStringLiteral("The album \"%1 - %2\" is no longer in the catalogue file %3: another "
                          "program has deleted or changed it.")
        .arg(artist, album, quoted(path_));
}

CatalogueTransaction::CatalogueTransaction(Catalogue& catalogue, QString* error)
    : catalogue_(catalogue) {
    catalogue.run(
        [&] {
            transaction_ = std::make_unique<SQLite::Transaction>(
                catalogue.database(), SQLite::TransactionBehavior::IMMEDIATE);
        },
        error);
}

CatalogueTransaction::~CatalogueTransaction() {
    roll_back(); // unless committed; a failing rollback leaves the engine to undo the journal
}

void CatalogueTransaction::roll_back() {
    catalogue_.run([&] { transaction_.reset(); }, nullptr);
}

bool CatalogueTransaction::commit(QString* error) {
    if (!transaction_) {
        *error = QStringLiteral("No transaction is open.");
        return false;
    }
    return catalogue_.run([&] { transaction_->commit(); }, error);
}

bool delete_all_albums(Catalogue& catalogue, QString* error) {
    CatalogueTransaction transaction(catalogue, error);
    if (!transaction.ok())
        return false;
    if (!catalogue.run([&] { catalogue.database().exec("DELETE FROM vinylix"); }, error))
        return false; // the transaction rolls back
    return transaction.commit(error);
}

bool create_empty_catalogue(const QString& path, QString* error) {
    if (QFileInfo::exists(path)) {
        *error = QStringLiteral("A file is already there.");
        return false;
    }
    try {
        SQLite::Database db(QFile::encodeName(path).toStdString(),
                            SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        db.exec("CREATE TABLE vinylix (Artist TEXT, Album TEXT, Songs TEXT, Cover TEXT, "
                "Cds TEXT, Kbps TEXT, CD TEXT, Size TEXT, Year TEXT)");
        return true;
    } catch (const std::exception& e) {
        *error = reason_of(e, path);
        return false;
    }
}

} // namespace vinylix
