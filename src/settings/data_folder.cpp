#include "data_folder.h"

#include "store/catalogue.h"
#include "store/whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vinylix {

namespace {

bool is_installed(const QString& program_folder) {
    const QDir applications(QDir(program_folder).filePath(QStringLiteral("../share/applications")));
    return QFileInfo::exists(applications.filePath(application_id + QStringLiteral(".desktop")));
}

// The user may write the folder, and it is not marked read-only for everyone: the
// administrator may write any folder, but one made read-only with chmod a-w is left alone.
bool is_writable_folder(const QString& folder) {
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable() && !marked_read_only(info.permissions());
}

// Writes an empty catalogue beside `path` and moves it into place, so that an interrupted
// first start leaves either no catalogue or a whole one, never a file that blocks the next.
bool create_catalogue_in_one_step(const QString& path, QString* error) {
    const QString draft = path + QStringLiteral(".new");
    QFile::remove(draft); // a leftover of an interrupted first start
    if (!create_empty_catalogue(draft, error)) {
        QFile::remove(draft);
        return false;
    }
    if (!QFile::rename(draft, path)) {
        *error = QStringLiteral("Cannot move %1 into place.").arg(QDir::toNativeSeparators(draft));
        QFile::remove(draft);
        return false;
    }
    return true;
}

DataFolder prepare_user_data_folder(const QString& folder) {
    DataFolder result{folder, false, false, {}};
    if (folder.isEmpty()) {
        result.error = QStringLiteral("No data folder is known for this user.");
        return result;
    }
    if (!QDir().mkpath(folder)) {
        result.error =
            QStringLiteral("Cannot make the folder %1.").arg(QDir::toNativeSeparators(folder));
        return result;
    }
    const QString catalogue = catalogue_path(folder);
    const QFileInfo there(catalogue);
    if (there.exists() || there.isSymLink())
        return result; // the user's catalogue, or a file only the user may judge: never replaced
    result.catalogue_created = create_catalogue_in_one_step(catalogue, &result.error);
    return result;
}

// The program keeps its files beside itself, as it always did.
bool keeps_files_beside_itself(const QString& program_folder) {
    return !is_installed(program_folder) && is_writable_folder(program_folder);
}

} // namespace

DataFolder choose_data_folder(const QString& program_folder, const QString& user_data_folder) {
    if (keeps_files_beside_itself(program_folder))
        return DataFolder{program_folder, true, false, {}};
    return prepare_user_data_folder(user_data_folder);
}

QString data_folder_path(const QString& program_folder, const QString& user_data_folder) {
    return keeps_files_beside_itself(program_folder) ? program_folder : user_data_folder;
}

} // namespace vinylix
