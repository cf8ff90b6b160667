#pragma once

#include "mp3/id3v1_tag.h"

#include <QByteArray>
#include <QString>

namespace vinylix::test {

// The audio of a small MP3 file: 128 kbps frame headers, each followed by bytes of `fill`, with
// the letters "TAG" inside the last frame, so that a write at the wrong place shows.
inline QByteArray song_audio(char fill, int frames = 4) {
    const QByteArray frame = QByteArray("\xFF\xFB\x90\x64", 4) + QByteArray(413, fill);
    return frame.repeated(frames) + "TAG in the audio";
}

// A tag with every field filled in, told apart by `mark`.
inline Id3v1Tag full_tag(const QString& mark, std::uint8_t genre = 17) {
    Id3v1Tag tag;
    tag.title = "Title " + mark;
    tag.artist = "Artist " + mark;
    tag.album = "Album " + mark;
    tag.year = "19" + mark.left(2);
    tag.comment = "Comment " + mark;
    tag.genre = genre;
    return tag;
}

} // namespace vinylix::test
