#pragma once

#include <QString>
#include <QStringView>

namespace vinylix {

// True when `cd` names a shelf disc: one or more digits 0-9 and nothing else, at most nine of
// them leading zeros aside (a longer number is a typing mistake, not a disc on a real shelf).
// "12", "007" and "0999999999" do; "12abc", " 12", "-3", "", "CDA" and "1000000000" do not.
bool is_disc_number(QStringView cd);

// The disc a disc number names, as one text however it was typed: "007" and "7" are both "7",
// "000" is "0" (a number without leading zeros is given back as it is, sharing its string).
// Only for texts is_disc_number takes.
QString disc_number_text(const QString& cd);

} // namespace vinylix
