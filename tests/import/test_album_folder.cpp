#include "support/album_tree.h"
#include "support/temp_folder.h"
#include "support/test_registry.h"

#include "import/album_folder.h"
#include "import/playlist.h"
#include "mp3/bitrate_table.h"
#include "store/song_list_text.h"

#include <QFile>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

using namespace vinylix;
using namespace vinylix::test;

namespace {

AlbumProperties read(const QString& folder) {
    const auto album = get_album_properties(folder, loaded_bitrate_table());
    if (!album)
        qFatal("cannot read %s", qPrintable(folder));
    return *album;
}

const QString& songs(const AlbumProperties& album, SongSource source) {
    return album.song_list(source);
}

// CD count, bitrate, year, size, then the song lists by file names, playlists and tags.
QStringList facts(const AlbumProperties& a) {
    return QStringList({a.cds, a.kbps, a.year, a.size}) +
           QStringList({songs(a, SongSource::FileNames), songs(a, SongSource::Playlists),
                        songs(a, SongSource::Tags)});
}

} // namespace

class AlbumFolderTest : public QObject {
    Q_OBJECT

private slots:
    // Songs in name order, any letter case; the first file's ID3v2 tag is skipped (its stray
    // FF F3 would give 64 kbps); the year is the last file's.
    void a_single_cd_gives_three_song_lists_size_year_and_bitrate() {
        const TempFolder root;
        const QString album = root.file("Artist - Album");
        write_file(album + "/B - Song.MP3", mp3_file("Song", "1990"));
        write_file(album + "/a - Intro.mp3", id3v2_tag(300) + mp3_file("Intro", " 1991 "));
        write_file(album + "/list.m3u", "#EXTM3U\r\n#EXTINF:10,Intro (live)\r\n01.mp3\r\n");
        write_file(album + "/notes.txt", "not a song");
        QCOMPARE(facts(read(album)), QStringList({"1", "128", "1990", "0", "a - Intro\r\nB - Song",
                                                  "Intro (live)", "Intro\r\nSong"}));
    }

    // Two or more sub-folders are the CDs whatever their names, loose files aside; bitrate and
    // year come from the last CD holding MP3 files; one sub-folder alone is ignored.
    void sub_folders_are_the_cds_whatever_their_names() {
        const TempFolder root;
        write_file(root.file("two/cd2/b.mp3"), mp3_file("B"));
        write_file(root.file("two/CD1/a.mp3"), mp3_file("A"));
        write_file(root.file("two/loose.mp3"), mp3_file("Loose"));
        make_folder(root.file("covers/Covers"));
        write_file(root.file("covers/CD1/a.mp3"), id3v2_tag(50) + mp3_file("A", "2001"));
        write_file(root.file("one/Scans/s.mp3"), mp3_file("Scan"));
        write_file(root.file("one/song.mp3"), mp3_file("Song"));
        const QString empty_two = "== CD 1 ==\r\n\r\n\r\n== CD 2 ==\r\n";
        QCOMPARE(facts(read(root.file("two"))),
                 QStringList({"2", "128", "", "0", "== CD 1 ==\r\na\r\n\r\n== CD 2 ==\r\nb",
                              empty_two, "== CD 1 ==\r\nA\r\n\r\n== CD 2 ==\r\nB"}));
        QCOMPARE(facts(read(root.file("covers"))),
                 QStringList({"2", "128", "2001", "0", "== CD 1 ==\r\na\r\n\r\n== CD 2 ==\r\n",
                              empty_two, "== CD 1 ==\r\nA\r\n\r\n== CD 2 ==\r\n"}));
        QCOMPARE(facts(read(root.file("one"))),
                 QStringList({"1", "128", "", "0", "song", "", "Song"}));
    }

    // A line break inside a file name, a tag title or a playlist entry keeps the song on its
    // own line of its own CD.
    void a_line_break_in_a_name_moves_no_song_to_another_cd() {
        const TempFolder root;
        const QString album = root.file("Inj - Two");
        write_file(album + "/CD1/01 - a\r\n== CD 2 ==\r\nfake.mp3",
                   mp3_file("t\r\n== CD 2 ==\r\nu"));
        write_file(album + "/CD1/02 - b.mp3", mp3_file("b"));
        write_file(album + "/CD1/list.m3u", "#EXTINF:1,p\xE2\x80\xA8== CD 2 ==\x0Bq\r\n");
        write_file(album + "/CD2/01 - real c.mp3", mp3_file("c"));
        const AlbumProperties two = read(album);
        const auto cds = [&](SongSource source) {
            return read_song_sections(songs(two, source), 2);
        };
        QCOMPARE(cds(SongSource::FileNames),
                 QStringList({"01 - a == CD 2 == fake\r\n02 - b", "01 - real c"}));
        QCOMPARE(cds(SongSource::Tags), QStringList({"t == CD 2 == u\r\nb", "c"}));
        QCOMPARE(cds(SongSource::Playlists), QStringList({"p == CD 2 == q", ""}));
    }

    void tag_titles_only_from_a_tag_at_the_very_end() {
        const TempFolder root;
        const QString album = root.file("album");
        write_file(album + "/1.mp3",
                   mpeg_audio() + raw_id3v1_tag(QByteArray("Padded\0\0\0", 9), "1999"));
        // An APE tag footer ends with "TAG" bytes well inside the last 128: no ID3v1 tag.
        const QByteArray ape = "APETAGEX" + QByteArray(24, '\0');
        write_file(album + "/2.mp3",
                   mpeg_audio() + QByteArray(60, 'x') + "TAG" + ape + "data" + QByteArray(40, 'y'));
        write_file(album + "/3.mp3", mpeg_audio() + raw_id3v1_tag("Caf\xE9", ""));
        write_file(album + "/4.mp3", "TAG"); // shorter than a tag
        // Only tagged files are listed by tag; the last file has no tag, so no year.
        QCOMPARE(facts(read(album)),
                 QStringList({"1", "128", "", "0", "1\r\n2\r\n3\r\n4", "", "Padded\r\nCafé"}));
        write_file(root.file("nul/1.mp3"),
                   mpeg_audio() + raw_id3v1_tag("T", QByteArray("85\0\0", 4)));
        QCOMPARE(read(root.file("nul")).year, QStringLiteral("85"));
    }

    // Tags and a playlist written on a Cyrillic system, in Windows-1251, not UTF-8.
    void tags_and_old_playlists_are_read_in_the_chosen_code_page() {
        const TempFolder root;
        const QString album = root.file("album");
        write_file(album + "/2.mp3", mpeg_audio() + raw_id3v1_tag("\xC2\xEE\xE9\xED\xE0", "1988"));
        write_file(album + "/list.m3u", "#EXTINF:1,\xCA\xE8\xED\xEE - \xC2\xEE\xE9\xED\xE0\r\n");
        const auto cyrillic =
            get_album_properties(album, loaded_bitrate_table(), CodePage::Windows1251);
        QCOMPARE(songs(*cyrillic, SongSource::Tags) + songs(*cyrillic, SongSource::Playlists),
                 QStringLiteral("ВойнаКино - Война"));
    }

    void size_counts_mp3_bytes_in_megabytes_of_1048936() {
        QStringList sizes;
        for (const double megabytes : {10.0, 45.71, 45.06, 652.37, 0.5, 0.0})
            sizes << size_text(qint64(megabytes * 1048936));
        QCOMPARE(sizes, QStringList({"10", "45.7", "45", "652", "0.5", "0"}));
        const TempFolder root;
        write_file(root.file("album/a.mp3"), mpeg_audio(1048936 / 2));
        write_file(root.file("album/b.mp3"), mpeg_audio(1048936));
        write_file(root.file("album/big.m3u"), QByteArray(1048936, '#')); // not an MP3
        QCOMPARE(read(root.file("album")).size, QStringLiteral("1.5"));
    }

    void playlists_of_a_folder_join_in_name_order() {
        const TempFolder root;
        const QString album = root.file("album");
        write_file(album + "/b.PLS", "[playlist]\nTitle1=Third\nTitle2=Fourth");
        write_file(album + "/a.m3u", "#EXTINF:1,First\n1.mp3\n#EXTINF:1,Second\n2.mp3\n");
        write_file(album + "/c.m3u", "plain.mp3\n"); // no titles, and the list is not empty
        write_file(album + "/huge.m3u", "#EXTINF:1,Huge\n" + QByteArray(playlist_size_limit, '\n'));
        QCOMPARE(songs(read(album), SongSource::Playlists),
                 QStringLiteral("First\r\nSecond\r\nThird\r\nFourth"));
    }

    void bitrate_is_empty_without_a_frame_header_in_reach() {
        const TempFolder root;
        write_file(root.file("album/1.mp3"), QByteArray(5000, '\0') + mpeg_audio());
        write_file(root.file("album/2.mp3"), mpeg_audio());
        QCOMPARE(read(root.file("album")).kbps, QString());
        make_folder(root.file("empty"));
        QCOMPARE(facts(read(root.file("empty"))).mid(1), QStringList({"", "", "0", "", "", ""}));
    }

    void what_cannot_be_read_is_skipped() {
        const TempFolder root;
        const QString album = root.file("album");
        write_file(album + "/1.mp3", mp3_file("One"));
        QVERIFY(::mkfifo(QFile::encodeName(album + "/2 fifo.mp3").constData(), 0644) == 0);
        QVERIFY(QFile::link(album + "/gone.mp3", album + "/3 broken.mp3"));
        make_folder(album + "/4 folder.mp3/x");
        make_folder(album + "/4 folder.mp3/y");
        write_file(album + "/.hidden.mp3", mp3_file("Hidden"));
        QVERIFY(QFile::link(album + "/1.mp3", album + "/5 link.mp3"));
        // A name that is not valid UTF-8 still opens by its bytes.
        write_file(root.file("other.mp3"), mp3_file("Latin-1 name"));
        const QByteArray latin1 = QFile::encodeName(album) + "/6 caf\xE9.mp3";
        QVERIFY(::rename(QFile::encodeName(root.file("other.mp3")).constData(),
                         latin1.constData()) == 0);
        const AlbumProperties read_album = read(album);
        QCOMPARE(read_album.cds, QStringLiteral("1")); // one sub-folder: ignored
        QCOMPARE(songs(read_album, SongSource::Tags), QStringLiteral("One\r\nOne\r\nLatin-1 name"));
        QCOMPARE(songs(read_album, SongSource::FileNames).split("\r\n").size(), 3);
        QCOMPARE(get_album_properties(root.file("missing"), loaded_bitrate_table()), std::nullopt);
        QCOMPARE(get_album_properties(album + "/1.mp3", loaded_bitrate_table()), std::nullopt);
        ::unlink(latin1.constData()); // the temporary folder cannot see it to remove it
    }
};

VINYLIX_TEST(AlbumFolderTest)

#include "test_album_folder.moc"
