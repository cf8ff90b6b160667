#include "catalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

namespace vinylix {

QString catalogue_path(const QString& program_folder) {
    return QDir(program_folder).filePath(catalogue_file_name);
}

Catalogue::Catalogue(std::unique_ptr<SQLite::Database> db, QString path)
    : db_(std::move(db)), path_(std::move(path)) {}

Catalogue::~Catalogue() = default;

std::shared_ptr<Catalogue> Catalogue::open(const QString& path, QString* error) {
    const QFileInfo info(path);
    if (!info.exists()) {
        *error = QStringLiteral("The file does not exist.");
        return nullptr;
    }
    if (!info.isFile()) {
        *error = QStringLiteral("It is not a file.");
        return nullptr;
    }
    try {
        // READWRITE without CREATE: SQLite never makes the file; a write-protected file
        // opens for reading only and later writes report it.
        auto db = std::make_unique<SQLite::Database>(QFile::encodeName(path).toStdString(),
                                                     SQLite::OPEN_READWRITE);
        // Reading the table's nine fields proves the file is a catalogue.
        SQLite::Statement probe(*db, "SELECT Artist, Album, Songs, Cover, Cds, Kbps, CD, Size, "
                                     "Year FROM vinylix LIMIT 1");
        probe.executeStep();
        return std::shared_ptr<Catalogue>(new Catalogue(std::move(db), path));
    } catch (const std::exception& e) {
        *error = QString::fromUtf8(e.what());
        return nullptr;
    }
}

CatalogueTransaction::CatalogueTransaction(Catalogue& catalogue, QString* error) {
    try {
        transaction_ = std::make_unique<SQLite::Transaction>(catalogue.database());
    } catch (const std::exception& e) {
        *error = QString::fromUtf8(e.what());
    }
}

CatalogueTransaction::~CatalogueTransaction() = default; // rolls back unless committed

bool CatalogueTransaction::commit(QString* error) {
    if (!transaction_) {
        *error = QStringLiteral("No transaction is open.");
        return false;
    }
    try {
        transaction_->commit();
        return true;
    } catch (const std::exception& e) {
        *error = QString::fromUtf8(e.what());
        return false;
    }
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
        *error = QString::fromUtf8(e.what());
        return false;
    }
}

} // namespace vinylix
