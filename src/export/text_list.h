#pragma once

#include "list_values.h"
#include "settings/options.h"
#include "store/album_record.h"
#include "store/progress.h"
#include "store/statistics.h"
#include "store/whole_file.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace vinylix {

// The plain-text list of `albums` (in list order) for a fixed-width font, as the bytes of the
// file: UTF-8, every line ending in CR LF. In order: the banner and "<nickname>'s Mp3 List"
// when the nickname is enabled and not empty; the e-mail part; the boxed column header; one
// line per album; the statistics block when `statistics` is given; the credit line.
// Artist and album stand in columns as wide as their longest value; the ticked properties
// follow, with Cds, Kbps and CD filled with zeros to their longest value ("CDA" left out of
// that width), the cover as Y or N, the size with a decimal comma, and "Original CD" for an
// album whose Kbps is "-":
//     ⇥| Artist| Album   | Year - Cover - Kbps - CD # - Size
//     ⇥|¯¯¯¯¯¯¯|¯¯¯¯¯¯   |¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯
//     ⇥| Arlo | Dune    | 1992 - Y - 128 - 12 - 650,5
//     ⇥| Quill| Nocturne|        N - 192 - 07 - 1200
//     ⇥| Quill| Echo    | Original CD
// Lengths count characters (code points). A control character inside a value (a line break
// in an album's name) is written as a space, so every album keeps its one line. The total size is
// written with `decimal_point` (the user's locale's). `progress` is told after each album line;
// when it answers false the list stops and the result is empty (a finished list never is).
QByteArray get_txt_list(const ExportOptions& options, const std::vector<AlbumRecord>& albums,
                        const Statistics* statistics, QChar decimal_point,
                        const ProgressFn& progress = {});

// The same list handed to `sink` in pieces of about a megabyte, so that a large catalogue's
// list is never held whole. False when the sink refused a piece or `progress` stopped the list.
bool put_txt_list(const FileSink& sink, const ExportOptions& options,
                  const std::vector<AlbumRecord>& albums, const Statistics* statistics,
                  QChar decimal_point, const ProgressFn& progress = {});

} // namespace vinylix
