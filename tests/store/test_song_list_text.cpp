#include "store/control_text.h"
#include "store/song_list_text.h"
#include "support/test_registry.h"

#include <QTest>

using namespace vinylix;
using namespace Qt::StringLiterals;

class SongListTextTest : public QObject {
    Q_OBJECT
private slots:
    void reads_two_cds_and_drops_the_separating_empty_line() {
        const QString songs = "== CD 1 ==\r\na\r\nb\r\n\r\n== CD 2 ==\r\nc";
        QCOMPARE(read_song_sections(songs, 2), QStringList({"a\r\nb", "c"}));
        // A count above the sections present gives only the CDs found.
        QCOMPARE(read_song_sections(songs, 3), QStringList({"a\r\nb", "c"}));
        // Text before the first header is ignored; headers match in any letter case.
        QCOMPARE(read_song_sections("intro\r\n== cd 1 ==\r\nx\r\n\r\n== Cd 2 ==\r\ny", 2),
                 QStringList({"x", "y"}));
    }

    void stops_at_the_first_missing_header() {
        const QString songs = "== CD 1 ==\r\na\r\n\r\n== CD 3 ==\r\nc";
        QCOMPARE(read_song_sections(songs, 3), QStringList({"a\r\n\r\n== CD 3 ==\r\nc"}));
        QCOMPARE(read_song_sections("no headers", 2), QStringList());
        QCOMPARE(read_song_sections(songs, 0), QStringList());
    }

    // A header is a line of its own: one inside a song name, or with more on its line, is part
    // of the CD it stands in.
    void a_header_inside_a_line_is_a_song() {
        const QString songs = "== CD 1 ==\r\na == CD 2 == b\r\n== cd 2 ==x\r\n\r\n== CD 2 ==\r\nc";
        QCOMPARE(read_song_sections(songs, 2), QStringList({"a == CD 2 == b\r\n== cd 2 ==x", "c"}));
    }

    // A song name enters a list as one line: each control character or line separator becomes
    // a space (a CR LF pair one space); everything else stays as it is. The lists blank each
    // character alone, so a value keeps its length.
    void a_song_name_stays_one_line() {
        const std::pair<QString, QString> cases[] = {
            {"01 - a\r\n== CD 2 ==\r\nfake", "01 - a == CD 2 == fake"},
            {"a\rb\nc\td\x01"
             "e",
             "a b c d e"},
            {u"x\0y\u007fz\u0085w\u2028v\u2029"_s, "x y z w v "},
            {"\n\r", "  "},
            {"Édith – Œuvre ♫", "Édith – Œuvre ♫"},
        };
        for (const auto& [name, line] : cases)
            QCOMPARE(one_line(name), line);
        QString value = u"a\r\nb\u2028"_s;
        blank_controls(value, 1);
        QCOMPARE(value, "a  b ");
    }

    void two_digit_cd_numbers_are_skipped_whole() {
        QStringList cds;
        for (int n = 1; n <= 11; ++n)
            cds << QStringLiteral("song %1").arg(n);
        const QString text = write_song_sections(cds);
        QVERIFY(text.contains("\r\n\r\n== CD 10 ==\r\nsong 10\r\n\r\n== CD 11 ==\r\nsong 11"));
        QCOMPARE(read_song_sections(text, 11), cds);
        // "== CD 1 ==" must not be taken for the start of "== CD 10 ==".
        QCOMPARE(read_song_sections(text, 11)[0], QStringLiteral("song 1"));
    }

    void writes_the_sectioned_layout() {
        QCOMPARE(write_song_sections({"x", "y", "z"}),
                 QStringLiteral("== CD 1 ==\r\nx\r\n\r\n== CD 2 ==\r\ny\r\n\r\n== CD 3 ==\r\nz"));
        // Empty CDs keep their sections, so the count of sections stays the count of CDs.
        QCOMPARE(read_song_sections(write_song_sections({"", "b"}), 2), QStringList({"", "b"}));
    }
};

VINYLIX_TEST(SongListTextTest)
#include "test_song_list_text.moc"
