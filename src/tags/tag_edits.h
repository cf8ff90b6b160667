#pragma once

#include "mp3/tag_file.h"
#include "song_listing.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace vinylix {

// The properties ticked in the tag editor, with their new values. An unticked property is empty
// and keeps each file's own value.
struct TagEdits {
    std::optional<QString> title;
    std::optional<QString> artist;
    std::optional<QString> album;
    std::optional<QString> year;
    std::optional<QString> comment;
    std::optional<QString> genre; // a genre name; one the genre list lacks changes nothing
};

// `tag` with the ticked properties replaced: each text fitted to its field in bytes of `page` (a
// title of 31 characters keeps its first 30, year "20011" becomes "2001", "Abc" is padded with
// spaces), the genre byte by the index of its name ("Rock" gives 17).
Id3v1Tag edited_tag(Id3v1Tag tag, const TagEdits& edits, CodePage page = default_code_page);

// A ticked text property (`property` names it in TagEdits) whose new value holds characters the
// chosen code page cannot store: they would be written as '?'.
struct LackingLetters {
    std::optional<QString> TagEdits::*property;
    QStringList characters;

    bool operator==(const LackingLetters&) const = default;
};

// Each ticked text property, in the tag's order (title, artist, album, year, comment), whose
// value `page` cannot store whole within its field: the lacking characters of the part that fits
// (a comment "über" in Windows-1251 gives {comment, {"ü"}}). Empty when nothing would be lost.
QList<LackingLetters> letters_lacking(const TagEdits& edits, CodePage page);

// Applies `edits` to each of `files` in order: reads the file's own tag (the empty record, blank
// fields and genre 255, when it has none), replaces the ticked properties and writes the result
// on the same open file, reading and writing texts in `page`. Returns one outcome per file, in the
// same order; a file that is write protected, changed or gone since it was listed, or fails
// otherwise, does not stop the others. A written file's outcome carries its new stamp, which the
// caller keeps for the next apply.
QList<TagWriteResult> apply_tag_edits(const QList<ListedFile>& files, const TagEdits& edits,
                                      CodePage page = default_code_page);

} // namespace vinylix
