#include "catalogue_place.h"

#include "console.h"
#include "settings/data_folder.h"
#include "settings/settings_file.h"

#include <QCoreApplication>
#include <QStandardPaths>

namespace vinylix::cli {

namespace {

QString user_data_folder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

} // namespace

CataloguePlace::CataloguePlace(QString named)
    : named_(std::move(named)),
      data_folder_(data_folder_path(QCoreApplication::applicationDirPath(), user_data_folder())) {}

std::shared_ptr<Catalogue> CataloguePlace::open_for_reading() const {
    return open(named_.isEmpty() ? catalogue_path(data_folder_) : named_,
                CatalogueAccess::ReadOnly);
}

std::shared_ptr<Catalogue> CataloguePlace::open_for_writing() const {
    if (!named_.isEmpty())
        return open(named_, CatalogueAccess::ReadWrite);
    const DataFolder data =
        choose_data_folder(QCoreApplication::applicationDirPath(), user_data_folder());
    if (!data.error.isEmpty()) {
        say(data.error);
        return nullptr;
    }
    return open(catalogue_path(data.path), CatalogueAccess::ReadWrite);
}

std::shared_ptr<Catalogue> CataloguePlace::open(const QString& path, CatalogueAccess access) const {
    QString error;
    auto catalogue = Catalogue::open(path, &error, access);
    if (!catalogue)
        say(error);
    return catalogue;
}

Options CataloguePlace::options() const {
    return SettingsFile(settings_path(data_folder_)).options();
}

} // namespace vinylix::cli
