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

// The HTML page of `albums` (in list order), as the bytes of the file: one line ending in
// CR LF, pure ASCII. In order: the style block; the nickname heading when its box is ticked
// (an empty nickname included); the mailto line when the e-mail box is ticked; a table with
// a header row (Artist, Album and the ticked properties) and one row per album, the first,
// third, fifth... shaded; the statistics table when `statistics` is given; the credit link.
// The first row of (Arlo, Dune, 1992, size 650.5) with Year and Size ticked reads
//     <TR><TD BORDERCOLOR=#ACC8DC BGCOLOR=#CCEAF1 ><FONT CLASS="norm">Arlo</TD>...
//     <TD BORDERCOLOR=#ACC8DC BGCOLOR=#CCEAF1 ALIGN=CENTER><FONT CLASS="norm">650,5</TD></TR>
// Every value is escaped (&, <, >, "), a control character is written as a space and any other
// character outside ASCII as a numeric character reference, so that an HTML parser reads back
// each value as the list shows it: "Björk & <b>\r\n" gives "Bj&#246;rk &amp; &lt;b&gt;  ",
// and "\u0085" a space, never "&#133;" (which a browser reads as "…"). The total size is
// written with `decimal_point` (the user's locale's). `progress` is told after each album row;
// when it answers false the page stops and the result is empty (a finished page never is).
QByteArray get_html_list(const ExportOptions& options, const std::vector<AlbumRecord>& albums,
                         const Statistics* statistics, QChar decimal_point,
                         const ProgressFn& progress = {});

// The same page handed to `sink` in pieces of about a megabyte, so that a large catalogue's
// page is never held whole. False when the sink refused a piece or `progress` stopped the page.
bool put_html_list(const FileSink& sink, const ExportOptions& options,
                   const std::vector<AlbumRecord>& albums, const Statistics* statistics,
                   QChar decimal_point, const ProgressFn& progress = {});

// `text` as HTML text or attribute value, in ASCII: "a<b" gives "a&lt;b", "é" gives "&#233;",
// a tab or a line break " ".
QByteArray html_escaped(QStringView text);

} // namespace vinylix
