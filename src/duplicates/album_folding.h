#pragma once

#include <QString>
#include <QUtf8StringView>

namespace vinylix {

// How two albums are found to be the same album, however their copies were named. Each name
// is folded, and two albums are the same when their folded artists are equal and their folded
// titles are equal:
// - letter case and accents fold as the catalogue's collation folds them ("Motörhead" is
//   "MOTORHEAD");
// - "&" reads as "and"; every other character but letters and digits reads as a blank, a run
//   of blanks as one, none at either end ("AC/DC" is "AC - DC", "Simon & Garfunkel" is "Simon
//   and Garfunkel");
// - of the artist, a leading "The " is dropped ("The Beatles" is "Beatles");
// - of the title, qualifiers in round or square brackets at its end are dropped, one after
//   another ("The Wall (2011 Remaster) [CD1]" is "The Wall"), but not one that names a volume
//   or a part ("(Vol. 2)", "[Part II]") or a disc after the first ("[CD2]"), since those tell
//   albums apart, and never the whole title ("[Live]" stays "Live");
// - a name without a letter or digit keeps its folded characters ("???" is not "!!!").

// One text that two albums share exactly when they are the same album; the names as UTF-8,
// as the catalogue stores them.
QString album_key(QUtf8StringView artist, QUtf8StringView title);

// Makes the keys of many albums one after another in room it keeps, for a whole catalogue:
// `key` gives what album_key gives, valid until the next call. Names in plain ASCII, the usual
// case, are folded without a string made for them.
class AlbumKeys {
public:
    QStringView key(QUtf8StringView artist, QUtf8StringView title);

private:
    QString artist_base_, title_base_, artist_, title_, key_;
};

// The rule above in one line, as the duplicate-albums window states it.
QString comparison_rule_text();

} // namespace vinylix
