#pragma once

#include <QString>

namespace vinylix::bench {

// Writes `albums` album folders named "Artist NNNN - Album NNNN" into `root`, each holding
// `files` MP3 files of about 24 KB ("NN - Song title.mp3": an ID3v2 tag with title, artist and
// album, 128 kbps MPEG-1 Layer III frames, an ID3v1 tag) and an M3U playlist; every twentieth
// album spreads its files over two CD folders. Kept between runs: nothing is written when a
// finished tree of that size is already there. Returns `root`.
QString make_synthetic_album_tree(const QString& root, int albums, int files = 12);

} // namespace vinylix::bench
