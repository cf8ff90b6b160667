#pragma once

#include "settings/options.h"
#include "store/album_record.h"

#include <vector>

namespace vinylix::test {

// One album of an export list; `Songs` stays empty, as in the rows the lists are made from.
inline AlbumRecord album(const QString& artist, const QString& title, const QString& cover = {},
                         const QString& cds = {}, const QString& kbps = {}, const QString& cd = {},
                         const QString& size = {}, const QString& year = {}) {
    AlbumRecord a;
    a[Field::Artist] = artist;
    a[Field::Album] = title;
    a[Field::Cover] = cover;
    a[Field::Cds] = cds;
    a[Field::Kbps] = kbps;
    a[Field::CD] = cd;
    a[Field::Size] = size;
    a[Field::Year] = year;
    return a;
}

// Arlo's Dune, Quill's Nocturne and Quill's Echo (an audio CD), in that order.
inline std::vector<AlbumRecord> three_albums() {
    return {album("Arlo", "Dune", "Yes", "1", "128", "12", "650.5", "1992"),
            album("Quill", "Nocturne", "No", "2", "192", "7", "1200", ""),
            album("Quill", "Echo", "No", "1", "-", "CDA", "", "1986")};
}

// Options with nothing ticked, for the given list kind.
inline ExportOptions nothing_ticked(ListKind kind) {
    ExportOptions o;
    o.savemode = kind;
    return o;
}

} // namespace vinylix::test
