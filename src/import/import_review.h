#pragma once

#include "import_data.h"

#include <QString>
#include <array>
#include <vector>

namespace vinylix {

// The six status-bar panels of an album under review, each value as stored without unit:
// "CD #: 12", "Size: 45.7", "Bitrate: 128", "Year: 1991", "Cover: Yes", "# of CDs: 2".
inline constexpr int review_panel_count = 6;
using ReviewPanels = std::array<QString, review_panel_count>;
ReviewPanels review_panels(const ImportedAlbum& album);

// Places of the panels that Apply rewrites.
inline constexpr int cd_panel = 0;
inline constexpr int year_panel = 3;
inline constexpr int cover_panel = 4;

// The cover box's choices in order ("Yes", "No"), and the place of a stored cover in them: -1
// (nothing selected) for an empty cover.
const QStringList& cover_choices();
int cover_index(const QString& cover);

// What the review shows for the focused album. Once Apply has chosen its source, that source's
// list is shown and its button pressed; before, the list of the current source.
struct ReviewDisplay {
    QString songs;
    SongSource source; // the source button to show pressed
    ReviewPanels panels;
    int cover_index = -1;
    QString cd;
    QString year;
};
ReviewDisplay display_information(const ImportedAlbum& album, SongSource current);

// The song list of `album` from `source`, whatever Apply chose.
QString switch_song_mode(const ImportedAlbum& album, SongSource source);

// The review's boxes as Apply reads them.
struct ReviewEdits {
    QString cd;
    QString cover; // the selected cover choice; empty when none is selected
    QString year;
    QString songs; // the song list box
};

// Apply: every selected album (indices in `selected`) takes the shelf disc, the cover and the
// current source. Only when the one selected album is the focused one does it also take the year
// and the song list box as its list of the current source: with several selected, year and song
// list stay as they were. Indices outside the data are ignored.
void store_information(ImportData& data, const std::vector<int>& selected, int focused,
                       const ReviewEdits& edits, SongSource current);

} // namespace vinylix
