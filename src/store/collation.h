#pragma once

#include <QString>
#include <QStringView>

namespace vinylix {

// The one collation of catalogue texts: case-insensitive and Unicode-aware.
// Keys compare by code units: accented letters sort beside their base letter ("Ábba" beside
// "Abba"), and two texts have equal keys exactly when they are equal ignoring letter case.
QString collation_key(QStringView text);

// True when two texts are equal ignoring letter case (full Unicode case folding).
bool same_text_ignoring_case(QStringView a, QStringView b);

} // namespace vinylix
