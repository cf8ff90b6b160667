#pragma once

#include "store/album_record.h"

#include <vector>

namespace vinylix::test {

// Albums stored in layouts the program does not write itself, as other programs, older
// versions or hand edits leave them: LF line ends, song lists without headers on albums of
// several CDs, "== CD 01 ==", text before the first header, repeated sections, sections past
// the CD count, a count of 1000 CDs, cover texts other than "Yes" and "No", bitrates longer
// than three characters, counts and sizes that are no numbers, shelf labels that are neither
// digits nor "CDA", quotes, `&`, `<>` and accents. Each album has its own title.
std::vector<AlbumRecord> hostile_albums();

} // namespace vinylix::test
