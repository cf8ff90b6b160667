#pragma once

#include "settings/options.h"
#include "store/album_record.h"

#include <QString>
#include <vector>

namespace vinylix {

// The product's home page, named in the credit of both lists.
inline const QString home_page = QStringLiteral("https://vinylix.example.org/");

// The album properties whose boxes are ticked, in the lists' order: Year, Cover, Cds, Kbps,
// CD, Size. Year and Size ticked give {Field::Year, Field::Size}.
std::vector<Field> ticked_properties(const ExportOptions& options);

} // namespace vinylix
