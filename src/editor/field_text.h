#pragma once

#include <QString>
#include <utility>

namespace vinylix {

// The two size boxes of the editor: the whole part and the fraction part of a stored size.
// "650.25" gives 650 and 25; a size without a "." goes whole into the first box.
std::pair<QString, QString> split_size(const QString& size);
// The stored size: the whole part alone, or whole part, "." and fraction part.
QString join_size(const QString& whole, const QString& fraction);

// The numeric value of a box's text written back as text: "007" gives "7", "" gives "0".
// Long runs of digits stay exact.
QString normalised_number(const QString& text);

// The shelf location of the location box: "CDA" and the empty text as they stand; any other
// text the whole number it begins with, without leading zeros ("012" gives "12", "CD33" and
// "-3" give "0", "7CDA8" gives "7"). Leaving the box writes it, and a save never stores
// anything else, so a stored location is always digits or "CDA".
QString shelf_location(const QString& text);

} // namespace vinylix
