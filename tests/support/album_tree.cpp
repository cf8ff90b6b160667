#include "album_tree.h"

#include "mp3/id3v1_tag.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vinylix::test {

QByteArray mpeg_audio(qsizetype bytes) {
    const QByteArray frame = QByteArray("\xFF\xFB\x90\x64", 4) + QByteArray(413, '\x55');
    QByteArray audio;
    while (audio.size() < bytes)
        audio += frame;
    audio.truncate(bytes);
    return audio;
}

QByteArray id3v1_tag(const QString& title, const QString& year) {
    Id3v1Tag tag;
    tag.title = title;
    tag.year = year;
    return tag.render();
}

QByteArray raw_id3v1_tag(const QByteArray& title, const QByteArray& year) {
    QByteArray tag = Id3v1Tag().render();
    tag.replace(Id3v1Tag::title_field.offset, title.size(), title);
    tag.replace(Id3v1Tag::year_field.offset, year.size(), year);
    return tag;
}

QByteArray id3v2_tag(int size) {
    QByteArray tag("ID3\x03\x00\x00", 6);
    for (const int shift : {21, 14, 7, 0})
        tag += static_cast<char>((size >> shift) & 0x7F);
    QByteArray body = QByteArray(100, '\x11') + QByteArray("\xFF\xF3\x84\x00", 4);
    body.resize(size, '\x22');
    return tag + body;
}

QByteArray mp3_file(const QString& title, const QString& year, qsizetype audio) {
    return mpeg_audio(audio) + (title.isNull() ? QByteArray() : id3v1_tag(title, year));
}

void make_folder(const QString& path) {
    if (!QDir().mkpath(path))
        qFatal("cannot make %s", qPrintable(path));
}

void write_file(const QString& path, const QByteArray& bytes) {
    make_folder(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace vinylix::test
