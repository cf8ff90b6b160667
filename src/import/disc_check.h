#pragma once

#include "album_detection.h"
#include "disc_catalogue.h"

#include "store/album_places.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace vinylix {

// The fields a disc check compares, in the order it shows them.
inline constexpr std::array<Field, 5> checked_fields = {Field::Cds, Field::Songs, Field::Size,
                                                        Field::Kbps, Field::Year};

// True when two texts of a checked field say the same. Song lists compare line by line, blank
// lines and blanks around a line aside ("a\r\nb\r\n" is "a\r\n\r\nb"); a number compares by
// its value when both texts are plain numbers ("45.70" is "45.7", "01" is "1"); any other text
// exactly ("" is not "0").
bool same_field_value(Field field, const QString& a, const QString& b);

// A plain number: digits, and a fraction after one point ("45.7"; not "45,7", " 45" or "").
bool is_plain_number(const QString& text);

// The lines of a song list as the check compares them: trimmed, none empty.
QStringList compared_song_lines(const QString& songs);

// The four groups of a disc check, in the order shown.
enum class CheckGroup { Alike, Different, OnlyOnDisc, OnlyInCatalogue };
inline constexpr int check_group_count = 4;

// One album of a disc check.
struct CheckedAlbum {
    std::optional<StoredAlbum> stored; // in the catalogue under the disc checked
    int found = -1;                    // its index among the folder's albums; -1 when not there
    AlbumRecord on_disc;               // as the folder gives it (empty when not there)
    std::vector<Field> differing;      // the checked fields that differ, in checked_fields order
    QStringList other_discs;           // only on the disc: the discs the catalogue holds it under

    // The names shown: the catalogue's, or the folder's for an album only on the disc.
    const QString& artist() const;
    const QString& album() const;
};

// What a disc check found.
struct DiscCheck {
    QString disc;           // the shelf disc checked, as disc_number_text writes it
    QString folder;         // the folder that holds it
    QStringList unreadable; // album folders that could not be read, by name
    int rejected = 0;       // folders whose names do not fit the folder-name format
    std::array<std::vector<CheckedAlbum>, check_group_count> groups;

    const std::vector<CheckedAlbum>& group(CheckGroup g) const { return groups[std::size_t(g)]; }
    // The catalogue's albums of the disc, in all groups.
    std::size_t catalogue_count() const;
};

// Holds the albums a folder gave (`run`, their song lists from `source`) against the albums the
// catalogue holds under `disc` (`catalogue`, read for the same folder). An album of the folder
// and one of the catalogue are one album when their match keys are equal, an album with the
// very same names first. Matched, it is alike when every checked field says the same, else
// different; the others are only on the disc (with the discs the catalogue holds them under
// instead) or only in the catalogue. Each group is in the browser's order, by artist and album.
DiscCheck check_disc(const QString& disc, const QString& folder, const ImportRun& run,
                     SongSource source, const DiscCatalogue& catalogue);

} // namespace vinylix
