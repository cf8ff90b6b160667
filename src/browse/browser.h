#pragma once

#include "store/album_record.h"

#include <QStringList>
#include <array>

namespace vinylix {

// What the browser shows of one album.
struct AlbumDisplay {
    bool multi = false;            // more than one CD and a song list to split
    QStringList cd_texts;          // per-CD song texts (multi only)
    QString songs;                 // the text shown first
    int cd_count = 0;              // numeric value of the CD count
    QString caption;               // "Song List" or "Song List [CD 1/n]"
    std::array<QString, 6> panels; // status-bar texts
};

AlbumDisplay album_display(const AlbumRecord& album);

// "Song List [CD n/count]" for CD index `index` (0 = first CD).
QString cd_caption(int index, const QString& count);

} // namespace vinylix
