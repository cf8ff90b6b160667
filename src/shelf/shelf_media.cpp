#include "shelf_media.h"

#include <algorithm>

namespace vinylix {

const std::vector<Medium>& media() {
    static const std::vector<Medium> list = {
        {QStringLiteral("650"), QStringLiteral("CD-R 650 MB"), 650},
        {QStringLiteral("700"), QStringLiteral("CD-R 700 MB"), 700},
        {QStringLiteral("4482"), QStringLiteral("DVD±R 4,482 MB"), 4482},
        {QStringLiteral("8152"), QStringLiteral("DVD±R DL 8,152 MB"), 8152},
        {QStringLiteral("23866"), QStringLiteral("BD-R 23,866 MB"), 23866},
    };
    return list;
}

const Medium& default_medium() {
    return media()[1];
}

const Medium& medium_for(QStringView key) {
    for (const Medium& m : media())
        if (m.key == key)
            return m;
    return default_medium();
}

qint64 excess_hundredths(qint64 size_hundredths, const Medium& medium) {
    return std::max<qint64>(0, size_hundredths - medium.megabytes * 100);
}

double filled_part(qint64 size_hundredths, const Medium& medium) {
    const double part = double(size_hundredths) / double(medium.megabytes * 100);
    return std::clamp(part, 0.0, 1.0);
}

} // namespace vinylix
