#include "store/control_text.h"
#include "store/song_list_text.h"
#include "support/test_registry.h"

#include <QTest>

using namespace vinylix;
using namespace Qt::StringLiterals;

class SongListTextTest : public QObject {
    Q_OBJECT
private slots:
    // Sections are read up to the first header missing, the empty line before each header
    // dropped; headers match in any letter case, only as lines of their own; text before the
    // first header is no CD's.
    void reads_the_sections_up_to_the_first_missing_header() {
        const struct {
            QString songs;
            int cds;
            QStringList read;
        } cases[] = {
            {"== CD 1 ==\r\na\r\nb\r\n\r\n== CD 2 ==\r\nc", 3, {"a\r\nb", "c"}},
            {"intro\r\n== cd 1 ==\r\nx\r\n\r\n== Cd 2 ==\r\ny", 2, {"x", "y"}},
            {"== CD 1 ==\r\na\r\n\r\n== CD 3 ==\r\nc", 3, {"a\r\n\r\n== CD 3 ==\r\nc"}},
            {"== CD 1 ==\r\na\r\n\r\n== CD 2 ==\r\nc", 0, {}},
            {"no headers", 2, {}},
            {"== CD 1 ==\r\na == CD 2 == b\r\n== cd 2 ==x\r\n\r\n== CD 2 ==\r\nc",
             2,
             {"a == CD 2 == b\r\n== cd 2 ==x", "c"}},
        };
        for (const auto& c : cases)
            QCOMPARE(read_song_sections(c.songs, c.cds), c.read);
    }

    // Written sections read back as they were, empty CDs and "== CD 10 ==" (no start of
    // "== CD 1 ==") alike.
    void written_sections_read_back() {
        QCOMPARE(write_song_sections({"x", "y"}),
                 QStringLiteral("== CD 1 ==\r\nx\r\n\r\n== CD 2 ==\r\ny"));
        QStringList cds = {"", "b"};
        for (int n = 3; n <= 11; ++n)
            cds << QStringLiteral("song %1").arg(n);
        QCOMPARE(read_song_sections(write_song_sections(cds), 11), cds);
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
};

VINYLIX_TEST(SongListTextTest)
#include "test_song_list_text.moc"
