#include "support/test_registry.h"

#include "import/playlist.h"

#include <QTest>

using namespace vinylix;

namespace {

QStringList songs(PlaylistKind kind, const QByteArray& bytes, bool list_empty = true) {
    return playlist_songs(kind, bytes, list_empty);
}

// A PLS playlist of `count` entries, Title1 = "Song 1" and so on, with CR LF line ends.
QByteArray pls_of(int count) {
    QByteArray text = "[playlist]\r\n";
    for (int n = 1; n <= count; ++n)
        text += QStringLiteral("File%1=song%1.mp3\r\nTitle%1=Song %1\r\nLength%1=200\r\n")
                    .arg(n)
                    .toUtf8();
    return text + "NumberOfEntries=" + QByteArray::number(count) + "\r\nVersion=2\r\n";
}

} // namespace

class PlaylistTest : public QObject {
    Q_OBJECT

private slots:
    void m3u_titles_follow_the_comma_of_each_extinf_line() {
        const QByteArray m3u = "#EXTM3U\r\n#EXTINF:215,Artist - Song\r\nArtist - Song.mp3\r\n"
                               "#extinf:-1,Second, with a comma\r\nsecond.mp3\r\n";
        QCOMPARE(songs(PlaylistKind::M3u, m3u),
                 QStringList({"Artist - Song", "Second, with a comma"}));
        // An EXTINF line without a comma gives no title, and does not borrow a later comma.
        QCOMPARE(songs(PlaylistKind::M3u, "#EXTINF:215\r\nA, B.mp3\r\n#EXTINF:1,C\r\n"),
                 QStringList({"C"}));
    }

    void twelve_pls_entries_come_in_the_order_of_their_numbers() {
        QStringList expected;
        for (int n = 1; n <= 12; ++n)
            expected << QStringLiteral("Song %1").arg(n);
        QCOMPARE(songs(PlaylistKind::Pls, pls_of(12)), expected);
        // "Title1" is not found at the start of "Title12": entry 1 missing ends the list.
        QCOMPARE(songs(PlaylistKind::Pls, "[playlist]\r\nTitle12=Late\r\nTitle1=First\r\n"),
                 QStringList({"First"}));
        QCOMPARE(songs(PlaylistKind::Pls, "[playlist]\ntitle1=lower\ntitle2=case\n"),
                 QStringList({"lower", "case"}));
    }

    void lines_end_at_cr_at_lf_or_at_the_end_of_the_file() {
        QCOMPARE(songs(PlaylistKind::M3u, "#EXTINF:1,One\n1.mp3\n#EXTINF:2,Two"),
                 QStringList({"One", "Two"}));
        QCOMPARE(songs(PlaylistKind::Pls, "Title1=One\nTitle2=Two"), QStringList({"One", "Two"}));
    }

    void text_is_utf8_where_valid_else_the_tag_code_page() {
        QCOMPARE(songs(PlaylistKind::M3u, "\xEF\xBB\xBF#EXTINF:1,Caf\xC3\xA9\r\n"),
                 QStringList({QStringLiteral("Café")}));
        QCOMPARE(songs(PlaylistKind::M3u, "#EXTINF:1,Caf\xE9 \x80\r\n"),
                 QStringList({QStringLiteral("Café €")}));
    }

    // "Аквариум - Город" in KOI8-R is not UTF-8: the chosen code page reads it, Windows-1252 by
    // default; UTF-8 stays UTF-8 whatever page is chosen.
    void a_playlist_that_is_not_utf8_is_read_in_the_chosen_code_page() {
        const QByteArray koi8 =
            "#EXTINF:200,\xE1\xCB\xD7\xC1\xD2\xC9\xD5\xCD - \xE7\xCF\xD2\xCF\xC4\r\n";
        QCOMPARE(playlist_songs(PlaylistKind::M3u, koi8, true, CodePage::Koi8R),
                 QStringList({QStringLiteral("Аквариум - Город")}));
        QCOMPARE(songs(PlaylistKind::M3u, koi8), QStringList({QStringLiteral("áË×ÁÒÉÕÍ - çÏÒÏÄ")}));
        QCOMPARE(playlist_songs(PlaylistKind::Pls, "Title1=Группа крови\n", true, CodePage::Koi8R),
                 QStringList({QStringLiteral("Группа крови")}));
    }

    void a_plain_m3u_lists_its_lines_only_while_nothing_came_before() {
        const QByteArray plain = "01 - Intro.mp3\n02 - Song.mp3\n\n";
        QCOMPARE(songs(PlaylistKind::M3u, plain), QStringList({"01 - Intro.mp3", "02 - Song.mp3"}));
        QCOMPARE(songs(PlaylistKind::M3u, plain, false), QStringList());
        QCOMPARE(songs(PlaylistKind::Pls, "[playlist]\r\nFile1=a.mp3\r\n"), QStringList());
        QCOMPARE(songs(PlaylistKind::M3u, ""), QStringList());
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
