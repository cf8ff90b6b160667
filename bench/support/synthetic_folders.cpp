#include "synthetic_folders.h"

#include "mp3/id3v1_tag.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

namespace vinylix::bench {

namespace {

constexpr int audio_frames = 56; // of 417 bytes: about 23 KB of audio
const QString finished_marker = QStringLiteral(".finished");

// An ID3v2.3 text frame.
QByteArray text_frame(const char* id, const QString& text) {
    const QByteArray body = '\0' + text.toLatin1();
    QByteArray frame(id);
    for (const int shift : {24, 16, 8, 0})
        frame += static_cast<char>((body.size() >> shift) & 0xFF);
    return frame + QByteArray(2, '\0') + body;
}

QByteArray id3v2_tag(const QString& title, const QString& artist, const QString& album) {
    const QByteArray frames = text_frame("TIT2", title) + text_frame("TPE1", artist) +
                              text_frame("TALB", album) + QByteArray(512, '\0'); // padding
    QByteArray tag("ID3\x03\x00\x00", 6);
    for (const int shift : {21, 14, 7, 0})
        tag += static_cast<char>((frames.size() >> shift) & 0x7F);
    return tag + frames;
}

QByteArray audio() {
    static const QByteArray frames = [] {
        const QByteArray frame = QByteArray("\xFF\xFB\x90\x64", 4) + QByteArray(413, '\x55');
        return frame.repeated(audio_frames);
    }();
    return frames;
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

void make_album(const QString& folder, int index, int files) {
    const QString artist = QStringLiteral("Artist %1").arg(index / 4, 4, 10, QChar(u'0'));
    const QString album = QStringLiteral("Album %1").arg(index, 4, 10, QChar(u'0'));
    const QString path = QDir(folder).filePath(artist + " - " + album);
    const int cds = index % 20 == 19 ? 2 : 1;
    QByteArray playlist = "#EXTM3U\r\n";
    for (int f = 0; f < files; ++f) {
        const QString title = QStringLiteral("Song title number %1").arg(f + 1);
        const QString cd_folder = cds == 1 ? path : path + QStringLiteral("/CD%1").arg(f % 2 + 1);
        QDir().mkpath(cd_folder);
        const QString name =
            QStringLiteral("%1 - %2.mp3").arg(f + 1, 2, 10, QChar(u'0')).arg(title);
        Id3v1Tag tag;
        tag.title = title;
        tag.artist = artist;
        tag.album = album;
        tag.year = QString::number(1960 + index % 60);
        write(QDir(cd_folder).filePath(name),
              id3v2_tag(title, artist, album) + audio() + tag.render());
        playlist +=
            QStringLiteral("#EXTINF:178,%1 - %2\r\n%3\r\n").arg(artist, title, name).toUtf8();
    }
    write(QDir(path).filePath(QStringLiteral("playlist.m3u")), playlist);
}

QByteArray size_text(int albums, int files) {
    return QByteArray::number(albums) + " x " + QByteArray::number(files);
}

} // namespace

QString make_synthetic_album_tree(const QString& root, int albums, int files) {
    const QString marker = QDir(root).filePath(finished_marker);
    QFile finished(marker);
    if (finished.open(QIODevice::ReadOnly) && finished.readAll() == size_text(albums, files))
        return root;
    QDir(root).removeRecursively();
    QDir().mkpath(root);
    for (int a = 0; a < albums; ++a)
        make_album(root, a, files);
    write(marker, size_text(albums, files));
    return root;
}

} // namespace vinylix::bench
