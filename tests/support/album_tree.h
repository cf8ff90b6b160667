#pragma once

#include <QByteArray>
#include <QString>

namespace vinylix::test {

// Builders of album folders for the import tests: small MP3 files made of generated MPEG frames
// and ID3v1 tags, and playlists, written into temporary folders.

// MPEG-1 Layer III frames at 128 kbps (header FF FB 90 64), `bytes` long in all.
QByteArray mpeg_audio(qsizetype bytes = 1000);

// An ID3v1 tag as written by a tagger: title and year padded with spaces.
QByteArray id3v1_tag(const QString& title, const QString& year = {});

// An ID3v1 tag whose title and year are given as raw field bytes (NUL padding and all).
QByteArray raw_id3v1_tag(const QByteArray& title, const QByteArray& year);

// An ID3v2 tag with a body of `size` bytes, holding a stray FF F3 pattern that must not be taken
// for a frame header.
QByteArray id3v2_tag(int size);

// An MP3 file: `audio` bytes of frames, then an ID3v1 tag when a title is given.
QByteArray mp3_file(const QString& title = {}, const QString& year = {}, qsizetype audio = 1000);

// Writes `bytes` at `path`, making the folders on the way.
void write_file(const QString& path, const QByteArray& bytes);

// Makes the folder at `path` and the folders on the way.
void make_folder(const QString& path);

} // namespace vinylix::test
