#pragma once

#include "store/recordset.h"
#include "store/statistics.h"

#include <QString>
#include <vector>

namespace vinylix {

// One bar of a chart: what the chart writes under it, the stored value it stands for, and the
// albums it counts.
struct ChartBar {
    QString label; // "1994", "Unknown", "Audio CD", "ABBA"
    QString value; // "1994", "-", "ABBA"; empty for the unknown years
    qint64 albums = 0;
    bool operator==(const ChartBar&) const = default;
};

// One shelf disc: its number and what is stored on it.
struct DiscBar {
    qint64 number = 0; // "007" and "7" are both disc 7
    qint64 albums = 0;
    qint64 size_hundredths = 0; // megabytes in hundredths, added as the statistics add them
    // True when the disc holds more than a medium of `megabytes` does.
    bool past(qint64 megabytes) const { return size_hundredths > megabytes * 100; }
    bool operator==(const DiscBar&) const = default;
};

// What the statistics window shows: the four figures and the four charts of the catalogue.
struct CatalogueCharts {
    Statistics figures;
    // Albums per year: every year from the first to the last held (a year without albums as
    // an empty bar), a year being four digits from 1900 to this year ("1994"); then "Unknown"
    // for every other text ("0", "19", "2099", "", " 1994"), when there is one.
    std::vector<ChartBar> years;
    // Albums per `Kbps` text as stored: numbers in numeric order ("96" before "128"), then
    // other texts in code order ("" as "Unknown", "abc"), then "-" as "Audio CD".
    std::vector<ChartBar> bitrates;
    // The shelf discs in numeric order; a `CD` that is not a disc number counts apart.
    std::vector<DiscBar> discs;
    qint64 audio_cds = 0; // albums whose `CD` is "CDA"
    qint64 off_shelf = 0; // albums whose `CD` is neither ("12abc", "", a number of ten digits)
    // The 15 artists with the most albums, most first, ties in the browser's order; names
    // equal ignoring letter case are one artist, under the spelling the browser lists.
    std::vector<ChartBar> artists;
    bool operator==(const CatalogueCharts&) const = default;
};

inline constexpr int charted_artists = 15;
inline constexpr int first_charted_year = 1900;

// Everything above, in one pass over the rows `albums` holds in memory (the file is not read
// again and the cursor is not moved). `this_year` is the last year a real album can have.
CatalogueCharts catalogue_charts(const Recordset& albums, int this_year);

} // namespace vinylix
