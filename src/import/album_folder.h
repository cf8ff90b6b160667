#pragma once

#include "mp3/bitrate_table.h"
#include "mp3/code_page.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

namespace vinylix {

// Where an album's song names come from; the position of its button on the source toolbar.
enum class SongSource { FileNames, Playlists, Tags };
inline constexpr int song_source_count = 3;

// One song list per source, each in the catalogue's song-list layout (CD sections for an album
// of several CDs).
using SongLists = std::array<QString, song_source_count>;

// What one album folder says about its album, every value as the catalogue stores it.
struct AlbumProperties {
    SongLists songs;
    QString kbps; // of the first MP3 file of the last CD; empty when no frame header is found
    QString year; // from the ID3v1 tag of the last MP3 file; empty when it has none
    QString cds;  // number of CDs
    QString size; // megabytes, as size_text gives them

    const QString& song_list(SongSource source) const { return songs[int(source)]; }
    bool operator==(const AlbumProperties&) const = default;
};

// The size text of `bytes` of MP3 files: megabytes of 1,048,936 bytes, truncated to one decimal,
// and the decimal kept only when it is not 0 and the whole part has at most two digits:
// 10,489,360 bytes -> "10"; 45.71 MB -> "45.7"; 45.06 MB -> "45"; 652.37 MB -> "652";
// 0.5 MB -> "0.5".
QString size_text(qint64 bytes);

// Reads the album folder at `native_folder` (bytes, as a folder listing gives them). With two or
// more sub-folders each sub-folder is one CD, in name order, whatever its name (files directly in
// the album folder are then not read); otherwise the folder itself is the only CD. Per CD, in
// name order:
// - its ".mp3" files (any letter case) give the file-name songs ("01 - Intro.mp3" -> "01 -
//   Intro"), their lengths the size, and their ID3v1 titles the tag songs (only files whose last
//   128 bytes begin with "TAG");
// - its ".m3u" and ".pls" playlists give the playlist songs (playlist_songs).
// A CD without MP3 files adds only its empty section. Each MP3 file is opened once and only its
// last 128 bytes are read, except the head of the first MP3 file of the last CD holding MP3
// files, which gives the bitrate (a leading ID3v2 tag skipped); the year is that of the last MP3
// file. Files that cannot be read, vanish or are not regular files are skipped. Tag titles and
// year, and playlists that are not UTF-8, are read in the code page `page`.
// Empty when the album folder itself cannot be read.
std::optional<AlbumProperties> get_album_properties(const QByteArray& native_folder,
                                                    const BitrateTable& table,
                                                    CodePage page = default_code_page);

// The same for a folder named by text.
std::optional<AlbumProperties> get_album_properties(const QString& folder,
                                                    const BitrateTable& table,
                                                    CodePage page = default_code_page);

} // namespace vinylix
