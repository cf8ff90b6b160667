#pragma once

#include "shelf_discs.h"
#include "shelf_media.h"

#include <QString>
#include <cstddef>
#include <vector>

namespace vinylix {

// The texts the shelf shows and prints. Numbers are written plainly: no thousands separator, a
// decimal part only when there is one ("612.4 MB", "98 MB").

// "Disc 12".
QString disc_title(const ShelfDisc& disc);

// "1 album", "8 albums".
QString album_count_text(std::size_t count);

// Hundredths of a megabyte as megabytes: 61240 gives "612.4 MB".
QString megabytes_text(qint64 hundredths);

// A disc's line in the disc list: "Disc 12: 8 albums, 612.4 MB"; over the medium's capacity
// "Disc 3: 9 albums, 712.5 MB, over by 12.5 MB".
QString disc_line(const ShelfDisc& disc, Medium medium);

// The line of the audio-CD albums: "CDA: 14 albums (audio CDs)".
QString audio_cds_line(std::size_t count);

// An album in the list of a disc's albums: "Blur – Parklife, 612.4 MB"; without a size ("-" or
// empty) just "Blur – Parklife".
QString album_line(const ShelfAlbum& album);

// An album whose `CD` is not a disc number, with that text quoted: "\"12abc\": Blur – Parklife".
QString not_disc_number_line(const ShelfAlbum& album);

// The insert of a disc, ready to print: a title line, an empty line, one line per album in
// artist and album order with its year (when there is one) and size (when there is one), an
// empty line and the total; CR LF after every line. For disc 12 with two albums:
//   "Disc 12\r\n\r\nBlur – Parklife (1994), 612.4 MB\r\nCure – Faith, 98 MB\r\n\r\n"
//   "Total: 2 albums, 710.4 MB\r\n"
// A control character inside a field (a line break, a tab) is a blank, so every album stays on
// its line.
QString disc_insert(const ShelfDisc& disc, const std::vector<ShelfAlbum>& albums);

// The file an insert is saved to: the chosen name, with ".txt" added when the file's name has
// no extension. "disc 5" gives "disc 5.txt"; "disc 5.txt", "disc 5.TXT" and "disc.5" stay as
// they are; a dot in a folder's name does not count ("my.discs/disc 5" gives
// "my.discs/disc 5.txt").
QString insert_file_name(const QString& chosen);

} // namespace vinylix
