#pragma once

#include <QString>
#include <QStringView>
#include <QUtf8StringView>

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

// A text with letter case and accents folded, as the collation folds them for its first order:
// the base letters of its key ("Motörhead" gives "motorhead", "Œuvre" "oeuvre"). Two names fold
// alike when they differ only in letter case and accents. The UTF-8 form writes into `out`,
// whose room is kept from call to call; plain ASCII is folded there without making a key.
QString fold_case_and_accents(QStringView text);
void fold_case_and_accents(QUtf8StringView utf8, QString& out);

} // namespace vinylix
