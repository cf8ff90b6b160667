#include "album_folder.h"

#include "playlist.h"

#include "mp3/folder_listing.h"
#include "mp3/frame_header.h"
#include "mp3/id3v1_tag.h"
#include "mp3/regular_file.h"
#include "store/control_text.h"
#include "store/line_end.h"
#include "store/song_list_text.h"

#include <QFile>
#include <unistd.h>
#include <vector>

namespace vinylix {

namespace {

// Bytes in one megabyte of the size text.
constexpr qint64 size_divisor = 1048936;
constexpr qsizetype mp3_extension_size = 4; // ".mp3"

struct Playlist {
    QByteArray path;
    PlaylistKind kind;
};

// The files of one CD folder that the import reads.
struct CdFiles {
    std::vector<FolderEntry> mp3s;
    std::vector<Playlist> playlists;
};

CdFiles cd_files(const std::vector<FolderEntry>& files) {
    CdFiles cd;
    for (const FolderEntry& file : files) {
        if (has_mp3_name(file.name))
            cd.mp3s.push_back(file);
        else if (const auto kind = playlist_kind(file.name))
            cd.playlists.push_back({file.path, *kind});
    }
    return cd;
}

// The CDs of an album folder: its sub-folders when it has two or more, else itself.
std::vector<CdFiles> album_cds(const FolderContents& album) {
    std::vector<CdFiles> cds;
    if (album.folders.size() < 2)
        return {cd_files(album.files)};
    for (const FolderEntry& folder : album.folders) {
        const auto contents = list_folder(folder.path);
        cds.push_back(contents ? cd_files(contents->files) : CdFiles{});
    }
    return cds;
}

// What one MP3 file gives: its length, its ID3v1 tag, and the bitrate when its head was read.
struct Mp3Reading {
    qint64 size = 0;
    std::optional<Id3v1Tag> tag;
    std::optional<int> bitrate;
};

std::optional<Mp3Reading> read_mp3(const QByteArray& path, bool with_head,
                                   const BitrateTable& table, CodePage page) {
    QFile file;
    if (!open_regular_file(file, path, QIODevice::ReadOnly | QIODevice::Unbuffered))
        return std::nullopt;
    Mp3Reading reading{file.size(), {}, {}};
    if (with_head)
        reading.bitrate = read_bitrate(file, table);
    if (reading.size >= Id3v1Tag::size) {
        // One positioned read: no seek, and the file's position stays where it was.
        QByteArray tail(Id3v1Tag::size, Qt::Uninitialized);
        const ssize_t got =
            ::pread(file.handle(), tail.data(), tail.size(), reading.size - Id3v1Tag::size);
        tail.truncate(got < 0 ? 0 : qsizetype(got));
        reading.tag = Id3v1Tag::parse(tail, page);
    }
    return reading;
}

// The playlist songs of one CD folder, one a line.
QString cd_playlist_songs(const CdFiles& cd, CodePage page) {
    QStringList songs;
    for (const Playlist& playlist : cd.playlists) {
        QFile file;
        if (!open_regular_file(file, playlist.path, QIODevice::ReadOnly) ||
            file.size() > playlist_size_limit)
            continue;
        songs += playlist_songs(playlist.kind, file.readAll(), songs.isEmpty(), page);
    }
    return songs.join(crlf);
}

// Lines that are all empty make no song list.
QString song_lines(const QStringList& lines) {
    const QString text = lines.join(crlf);
    return text.size() == (lines.size() - 1) * crlf.size() ? QString() : text;
}

QString tag_year(const Id3v1Tag& tag) {
    QString year = Id3v1Tag::shown(tag.year);
    while (year.startsWith(u' '))
        year.remove(0, 1);
    return year;
}

// The album's values while its CDs are read.
struct AlbumReading {
    std::array<QStringList, song_source_count> cd_texts;
    qint64 bytes = 0;
    std::optional<int> bitrate;
    std::optional<Id3v1Tag> last_tag;
};

// The index of the last CD holding MP3 files; -1 when none does.
qsizetype bitrate_cd(const std::vector<CdFiles>& cds) {
    for (qsizetype c = qsizetype(cds.size()) - 1; c >= 0; --c) {
        if (!cds[c].mp3s.empty())
            return c;
    }
    return -1;
}

void read_cd(const CdFiles& cd, bool wants_bitrate, const BitrateTable& table, CodePage page,
             AlbumReading& album) {
    QStringList names;
    QStringList titles;
    bool head_wanted = wants_bitrate;
    for (const FolderEntry& mp3 : cd.mp3s) {
        const auto reading = read_mp3(mp3.path, head_wanted, table, page);
        if (!reading)
            continue;
        names << one_line(mp3.name.chopped(mp3_extension_size));
        album.bytes += reading->size;
        if (reading->tag)
            titles << one_line(Id3v1Tag::shown(reading->tag->title));
        if (head_wanted)
            album.bitrate = reading->bitrate;
        head_wanted = false;
        album.last_tag = reading->tag;
    }
    album.cd_texts[int(SongSource::FileNames)] << names.join(crlf);
    album.cd_texts[int(SongSource::Playlists)] << cd_playlist_songs(cd, page);
    album.cd_texts[int(SongSource::Tags)] << song_lines(titles);
}

} // namespace

QString size_text(qint64 bytes) {
    const qint64 whole = bytes / size_divisor;
    const qint64 tenth = bytes % size_divisor * 10 / size_divisor;
    if (tenth == 0 || whole > 99)
        return QString::number(whole);
    return QStringLiteral("%1.%2").arg(whole).arg(tenth);
}

std::optional<AlbumProperties> get_album_properties(const QByteArray& native_folder,
                                                    const BitrateTable& table, CodePage page) {
    const auto contents = list_folder(native_folder);
    if (!contents)
        return std::nullopt;
    const std::vector<CdFiles> cds = album_cds(*contents);
    const qsizetype last_with_mp3s = bitrate_cd(cds);
    AlbumReading reading;
    for (qsizetype c = 0; c < qsizetype(cds.size()); ++c)
        read_cd(cds[c], c == last_with_mp3s, table, page, reading);

    AlbumProperties album;
    for (int source = 0; source < song_source_count; ++source) {
        const QStringList& texts = reading.cd_texts[source];
        album.songs[source] = cds.size() > 1 ? write_song_sections(texts) : texts.value(0);
    }
    album.kbps = reading.bitrate ? QString::number(*reading.bitrate) : QString();
    album.year = reading.last_tag ? tag_year(*reading.last_tag) : QString();
    album.cds = QString::number(cds.size());
    album.size = size_text(reading.bytes);
    return album;
}

std::optional<AlbumProperties> get_album_properties(const QString& folder,
                                                    const BitrateTable& table, CodePage page) {
    return get_album_properties(QFile::encodeName(folder), table, page);
}

} // namespace vinylix
