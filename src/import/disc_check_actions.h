#pragma once

#include "disc_check.h"

#include "store/album_update.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace vinylix {

// "Update Selected": the disc's values of the chosen fields, for the chosen albums of the
// "Different" group, as far as the album editor could hold them.
struct UpdatePlan {
    std::vector<AlbumFieldsUpdate> updates; // album by album, only chosen fields that differ
    QStringList refused;                    // a line for each value left out, and why
};

// Plans the update of `fields` of the albums at `albums` (positions in the "Different"
// group; others are ignored). A field is written only where it differs, and only with a value
// the album editor's box could hold: a CD count or bitrate of one to three digits, a size of
// digits with a fraction after a point, a year of digits or none. An album without a frame
// header on the disc has no bitrate, and keeps its own. The song list is laid out by CD, so
// where the CD counts differ the count and the list are written together or not at all.
// Refused: "Blur - 13: the bitrate is not written: no MP3 frame header was found on the disc,
// and an album needs a bitrate."
UpdatePlan plan_update(const DiscCheck& check, const std::vector<int>& albums,
                       const std::vector<Field>& fields);

// "Add Selected": the albums at `albums` (positions in the "Only on the disc" group; others are
// ignored) as the import stores them: read from `folder_albums`, song lists from `source`,
// filed under the disc checked, the cover not chosen. In the group's order.
ImportData albums_to_add(const DiscCheck& check, const std::vector<int>& albums,
                         const ImportData& folder_albums, SongSource source);

} // namespace vinylix
