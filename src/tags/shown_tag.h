#pragma once

#include "mp3/id3v1_tag.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace vinylix {

// What the tag editor shows of a file's tag: the five texts cut before their first NUL and
// without trailing spaces, and the entry of the genre list to select (none: nothing selected).
// The default value is what a file without a tag shows: empty texts and the first genre entry.
struct ShownTag {
    QString title;
    QString artist;
    QString album;
    QString year;
    QString comment;
    std::optional<int> genre_entry = 0;

    bool operator==(const ShownTag&) const = default;
};

// The genre entry a genre byte selects: 0 ("Blues") and 255 (no genre) both select the first
// entry, 1 to 148 their own entry; 149 to 254 have no entry and select none.
std::optional<int> shown_genre_entry(std::uint8_t genre);

// The tag of a file as shown; a file without a tag shows empty texts and the first genre entry.
ShownTag shown_tag(const std::optional<Id3v1Tag>& tag);

} // namespace vinylix
