#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>

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

// Where the catalogue file stands: the changes other programs committed to it (SQLite's
// `data_version`) and the rows this connection changed. While two stamps are equal, the file
// holds what it held.
struct CatalogueStamp {
    long long others = 0;
    long long own = 0;
    bool operator==(const CatalogueStamp&) const = default;
};

// Thrown by the work handed to Catalogue::run or Catalogue::write to fail it with a reason of
// the program's own, which the call puts in its `error` as it stands.
class CatalogueRefusal : public std::runtime_error {
public:
    explicit CatalogueRefusal(QString reason)
        : std::runtime_error("refused"), reason_(std::move(reason)) {}
    const QString& reason() const { return reason_; }

private:
    QString reason_;
};

// How a catalogue is opened: for reading and writing (as far as the file allows), or for
// reading only, by a command that must never change the file.
enum class CatalogueAccess { ReadWrite, ReadOnly };

// The open catalogue database (one table `vinylix`, nine text fields).
// Opening never creates or alters the file.
class Catalogue {
public:
    // Opens an existing catalogue; on failure returns null and says why in `error`
    // ("The catalogue file "/x/Vinylix.vnx" could not be found."). A file without any write
    // bit opens for reading only, whoever runs the program (root too), and so does every file
    // opened with CatalogueAccess::ReadOnly: every write then fails with "The catalogue file
    // ... is read-only." and changes nothing.
    static std::shared_ptr<Catalogue> open(const QString& path, QString* error,
                                           CatalogueAccess access = CatalogueAccess::ReadWrite);
    ~Catalogue();

    SQLite::Database& database() { return *db_; }
    const QString& path() const { return path_; }

    // Runs `work` against the engine. When the engine fails, returns false and puts in `error`
    // the reason in the program's words, naming the file: "The catalogue file "/x/Vinylix.vnx"
    // is read-only.", "... is in use by another program.", "... is not a catalogue file or is
    // damaged.", "The disk that holds ... is full." No engine exception leaves this call.
    bool run(const std::function<void()>& work, QString* error);

    // Runs `work` as one write: inside the transaction already open, or else in a transaction
    // of its own. Either way the file is held for writing before `work` reads anything, so a
    // write waits up to catalogue_busy_timeout_ms for another program that holds the file, and
    // what `work` reads stays true until it is committed. Fails as `run` does; on failure
    // nothing of a transaction of its own is written.
    bool write(const std::function<void()>& work, QString* error);

    // Runs `work`, which writes only the program's own records kept beside the table (the
    // change history), never the table itself: the stamp stays as it was, so nothing takes
    // them for a change of the albums. Fails as `run` does.
    bool run_aside(const std::function<void()>& work, QString* error);

    // The file's stamp now; nothing when the file cannot be read.
    std::optional<CatalogueStamp> stamp();

    // Why a write found no album where one was read: another program deleted or changed it.
    // "The album "Abba - Gold" is no longer in the catalogue file "/x/Vinylix.vnx": another
    // program has deleted or changed it."
    QString album_gone(const QString& artist, const QString& album) const;

private:
    Catalogue(std::unique_ptr<SQLite::Database> db, QString path);
    std::unique_ptr<SQLite::Database> db_;
    QString path_;
    long long aside_ = 0; // rows written by run_aside, left out of the stamp
};

// Groups many writes into one transaction that rolls back unless committed, so a failure
// or a crash leaves either the old or the new catalogue. The transaction holds the file for
// writing from its start (SQLite's BEGIN IMMEDIATE): it waits for another program that holds
// the file, and what is read inside it stays true until the commit.
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
