#pragma once

#include <QByteArrayView>
#include <QString>
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

// The disc a disc number names, as one text however it was typed: "007" and "7" are both "7",
// "000" is "0" (a number without leading zeros is given back as it is, sharing its string).
// Only for texts is_disc_number takes.
QString disc_number_text(const QString& cd);

} // namespace vinylix
