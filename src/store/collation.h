#pragma once

#include <QString>
#include <QStringView>

namespace vinylix {

// The one collation of catalogue texts: case-insensitive and Unicode-aware.
// Keys compare by code units: accented letters sort beside their base letter ("Ábba" beside
// "Abba"), a ligature as its letters and a stroked letter with its base letter, as the Unicode
// root collation sorts them ("Œuvre" beside "Oeuvre", "Øresund" among the O's, "Łódź" among
// the L's); a letter that collation sorts apart ("Þ", Cyrillic, Greek) comes after the Z's.
// Two texts have equal keys exactly when they are equal ignoring letter case.
QString collation_key(QStringView text);

// True when two texts are equal ignoring letter case (full Unicode case folding).
bool same_text_ignoring_case(QStringView a, QStringView b);

} // namespace vinylix
