#include "shelf_media.h"

#include <algorithm>

namespace vinylix {

namespace {

qint64 capacity_hundredths(Medium medium) {
    return qint64(medium) * 100; // a medium is valued at its capacity in megabytes
}

} // namespace

QString medium_name(Medium medium) {
    switch (medium) {
    case Medium::CdR650:
        return QStringLiteral("CD-R 650 MB");
    case Medium::CdR700:
        return QStringLiteral("CD-R 700 MB");
    case Medium::DvdR:
        return QStringLiteral("DVD±R 4,482 MB");
    case Medium::DvdRDualLayer:
        return QStringLiteral("DVD±R DL 8,152 MB");
    case Medium::BdR:
        return QStringLiteral("BD-R 23,866 MB");
    }
    return {};
}

qint64 excess_hundredths(qint64 size_hundredths, Medium medium) {
    return std::max<qint64>(0, size_hundredths - capacity_hundredths(medium));
}

double filled_part(qint64 size_hundredths, Medium medium) {
    const double part = double(size_hundredths) / double(capacity_hundredths(medium));
    return std::clamp(part, 0.0, 1.0);
}

} // namespace vinylix
