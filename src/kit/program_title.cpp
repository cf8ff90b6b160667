#include "program_title.h"

namespace vinylix {

QString program_title() {
    return QStringLiteral("Vinylix %1.%2 [Trackwright]").arg(version_major).arg(version_minor);
}

QString program_version_text() {
    return QStringLiteral("%1.%2.%3").arg(version_major).arg(version_minor).arg(version_revision);
}

QString program_name() {
    return QStringLiteral("Vinylix");
}

} // namespace vinylix
