#pragma once

#include "store/album_summaries.h"
#include "store/catalogue.h"
#include "store/progress.h"

#include <QString>
#include <optional>
#include <span>
#include <vector>

namespace vinylix {

// The copies of one album (album_folding.h says when albums are the same): a run of
// DuplicateGroups::copies.
struct DuplicateGroup {
    std::size_t first = 0;
    std::size_t count = 0;
    // The copy to keep, counted from the group's first: the most songs, then the highest
    // bitrate, then the largest size; of copies equal in all three, the first.
    std::size_t best = 0;
    // Megabytes in hundredths held by the copies other than the best; audio CDs hold none.
    qint64 saving_hundredths = 0;
};

struct DuplicateGroups {
    // Every copy of every group, each group's copies together and in the catalogue's order (by
    // artist, then title, as the browser lists them): the first gives the group's heading.
    std::vector<AlbumSummary> copies;
    // The biggest saving first; equal savings, the group of more copies first, then in the
    // catalogue's order of their headings.
    std::vector<DuplicateGroup> groups;
    qint64 saving_hundredths = 0; // of all groups
    qint64 albums_compared = 0;   // the albums of the catalogue; 0 for an empty one

    std::span<const AlbumSummary> copies_of(const DuplicateGroup& group) const {
        return {copies.data() + group.first, group.count};
    }
};

// The groups among `albums` (any order): every album that is the same as another.
DuplicateGroups group_duplicates(std::vector<AlbumSummary> albums);

// The groups of the whole catalogue, by queries of their own: the artists and titles of every
// album first, then the summaries of only those that share their folded names with another.
// `progress` hears the albums read out of all, and may answer false to stop. Nothing when the
// engine fails (the reason in `error`) or the search was stopped (`error` left as it was).
std::optional<DuplicateGroups> find_duplicate_groups(Catalogue& catalogue,
                                                     const ProgressFn& progress, QString* error);

} // namespace vinylix
