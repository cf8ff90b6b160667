#pragma once

#include "settings/options.h"
#include "store/catalogue.h"

#include <QString>
#include <memory>

namespace vinylix::cli {

// The catalogue a command works on and the options it takes its defaults from: the windows'
// catalogue and settings file (beside the program, or in the user's data folder when the
// program is installed), or the catalogue named with "--catalogue".
class CataloguePlace {
public:
    // `named` is the file "--catalogue" names, or empty for the windows' catalogue.
    explicit CataloguePlace(QString named);

    // Opens the catalogue for reading only; null after saying why.
    std::shared_ptr<Catalogue> open_for_reading() const;
    // Opens it for writing, as the windows do: an installed program's first start writes its
    // empty catalogue in the user's data folder. Null after saying why.
    std::shared_ptr<Catalogue> open_for_writing() const;

    // The options of the settings file, which is only read.
    Options options() const;

private:
    std::shared_ptr<Catalogue> open(const QString& path, CatalogueAccess access) const;

    QString named_;
    QString data_folder_;
};

} // namespace vinylix::cli
