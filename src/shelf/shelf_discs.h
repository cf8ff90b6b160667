#pragma once

#include "store/disc_number.h"
#include "store/shelf_albums.h"

#include <QString>
#include <QStringView>
#include <cstddef>
#include <vector>

namespace vinylix {

// One shelf disc: its number, its albums and the megabytes stored on it.
struct ShelfDisc {
    // The numeric value of the `CD` texts: "007" and "7" are both disc "7".
    QString number;
    std::vector<std::size_t> albums; // positions in the rows read, in their order
    // The sum of `Size` in hundredths of a megabyte, added as the statistics add sizes: each
    // size rounded to hundredths, "-" skipped, text without a number counted as 0.
    qint64 size_hundredths = 0;
};

// The albums of the catalogue arranged by the disc that holds them.
struct Shelf {
    std::vector<ShelfDisc> discs;       // in numeric order of their numbers
    std::vector<std::size_t> audio_cds; // the "CDA" albums, in the rows' order
    // Albums whose `CD` is neither a disc number nor "CDA" ("12abc", "", "cda", a number of
    // ten digits or more), ordered by that text, then by artist and album.
    std::vector<std::size_t> not_disc_numbers;
};

// Example: albums on "2", "007", "CDA", "12abc" and "7" give disc 2 with one album, disc 7
// with two, one audio CD and one album that is not on a disc number. No album, no disc.
Shelf arrange_shelf(const std::vector<ShelfAlbum>& albums);

// `positions` (into `albums`) in artist and album order by the catalogue's one collation,
// letter case ignored: "abba – Gold" before "ABBA – Waterloo" before "Blur – 13".
std::vector<std::size_t> in_album_order(const std::vector<ShelfAlbum>& albums,
                                        std::vector<std::size_t> positions);

} // namespace vinylix
