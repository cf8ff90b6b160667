#pragma once

#include <QByteArrayView>
#include <QStringView>
#include <optional>

namespace vinylix {

// The shelf disc a `CD` text names: one or more digits 0-9 and nothing else, at most nine of
// them leading zeros aside (a longer number is a typing mistake, not a disc on a real shelf).
// "12" gives 12, "007" gives 7 and "0999999999" gives 999999999; "12abc", " 12", "-3", "",
// "CDA" and "1000000000" name no disc.
std::optional<qint64> disc_number(QStringView cd);
// The same for the text as UTF-8 bytes.
std::optional<qint64> disc_number(QByteArrayView cd);

inline bool is_disc_number(QStringView cd) {
    return disc_number(cd).has_value();
}

} // namespace vinylix
