#include "support/test_registry.h"

#include "import/playlist.h"

#include <QTest>

using namespace vinylix;

class PlaylistTest : public QObject {
    Q_OBJECT

private slots:
    // M3U titles follow the first comma of each EXTINF line; PLS titles come in the order of
    // their numbers up to the first one missing; lines end at CR, LF or the end; bytes are
    // UTF-8 where valid, else the chosen code page ("Аквариум - Город" in KOI8-R); a plain M3U
    // lists its lines only while nothing came before.
    void playlists_give_their_song_titles() {
        QByteArray twelve_pls = "[playlist]\r\n"; // Title1 = "Song 1" and so on, CR LF ends
        QStringList twelve;
        for (int n = 1; n <= 12; ++n) {
            twelve << QStringLiteral("Song %1").arg(n);
            twelve_pls += "File1=s.mp3\r\nLength1=200\r\nTitle" + QByteArray::number(n) + "=" +
                          twelve.last().toUtf8() + "\r\n";
        }
        const QByteArray koi8 =
            "#EXTINF:200,\xE1\xCB\xD7\xC1\xD2\xC9\xD5\xCD - \xE7\xCF\xD2\xCF\xC4\r\n";
        const QByteArray plain = "01 - Intro.mp3\n02 - Song.mp3\n\n";
        const auto m3u = PlaylistKind::M3u, pls = PlaylistKind::Pls;
        const auto west = default_code_page, koi8r = CodePage::Koi8R;
        const struct {
            PlaylistKind kind;
            QByteArray bytes;
            bool list_empty;
            CodePage page;
            QStringList songs;
        } cases[] = {
            {m3u,
             "#EXTM3U\r\n#EXTINF:215,A - Song\r\nA - Song.mp3\r\n#extinf:-1,B, comma\r\nb\r\n",
             true,
             west,
             {"A - Song", "B, comma"}},
            {m3u, "#EXTINF:215\r\nA, B.mp3\r\n#EXTINF:1,C\r\n", true, west, {"C"}},
            {pls, twelve_pls, true, west, twelve},
            {pls, "[playlist]\r\nTitle12=Late\r\nTitle1=First\r\n", true, west, {"First"}},
            {m3u, "#EXTINF:1,One\n1.mp3\n#EXTINF:2,Two", true, west, {"One", "Two"}},
            {m3u, "\xEF\xBB\xBF#EXTINF:1,Caf\xC3\xA9\r\n", true, koi8r, {"Café"}},
            {m3u, "#EXTINF:1,Caf\xE9 \x80\r\n", true, west, {"Café €"}},
            {m3u, koi8, true, koi8r, {"Аквариум - Город"}},
            {m3u, plain, true, west, {"01 - Intro.mp3", "02 - Song.mp3"}},
            {m3u, plain, false, west, {}},
            {pls, "[playlist]\r\nFile1=a.mp3\r\n", true, west, {}},
        };
        for (const auto& c : cases)
            QCOMPARE(playlist_songs(c.kind, c.bytes, c.list_empty, c.page), c.songs);
    }

    void kind_comes_from_the_extension_in_any_letter_case() {
        QCOMPARE(playlist_kind(u"Best.M3U"), std::optional(PlaylistKind::M3u));
        QCOMPARE(playlist_kind(u"cd1.Pls"), std::optional(PlaylistKind::Pls));
        QCOMPARE(playlist_kind(u"notes.txt"), std::nullopt);
        QCOMPARE(playlist_kind(u"m3u"), std::nullopt);
    }
};

VINYLIX_TEST(PlaylistTest)

#include "test_playlist.moc"
