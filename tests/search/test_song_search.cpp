#include "search/cl_search.h"
#include "search/song_line_finder.h"
#include "store/song_list_text.h"
#include "support/albums.h"
#include "support/test_registry.h"

#include <QSignalSpy>
#include <QTest>

using namespace vinylix;
using namespace vinylix::test;

namespace {

// The song search's rule, walked as it always was over the decoded list: every occurrence,
// letter case ignored, lists its line, from the CR LF before it up to the first CR after the
// line's start.
QStringList lines_by_the_rule(const QString& songs, const QString& text) {
    QStringList lines;
    for (qsizetype at = songs.indexOf(text, 0, Qt::CaseInsensitive); at >= 0;
         at = songs.indexOf(text, at + 1, Qt::CaseInsensitive)) {
        qsizetype start = at;
        while (start > 1 && !(songs[start - 2] == u'\r' && songs[start - 1] == u'\n'))
            --start;
        start = start > 1 ? start : 0;
        const qsizetype cr = songs.indexOf(u'\r', start);
        lines << songs.mid(start, cr < 0 ? -1 : cr - start);
    }
    return lines;
}

// Every line of a search, read in the order given.
QStringList lines_of(const CL_Search& search, Catalogue& catalogue, bool backwards = false) {
    QStringList lines;
    for (int i = 0; i < search.line_count(); ++i) {
        const int line = backwards ? search.line_count() - 1 - i : i;
        const auto info = search.display_info(line, &catalogue);
        lines.insert(backwards ? 0 : i, search.line(line, &catalogue) + " | " +
                                            (info ? info->name + " " + info->location : ""));
    }
    return lines;
}

// Searches the song lists and waits for the thread, if one was started.
void search_songs(CL_Search& search, Recordset& set, const QString& text) {
    QString error;
    search.search_records(&set, text, SearchField::Songs, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QTRY_VERIFY(!search.running());
}

// Albums stored in another order than the recordset's, with lines that hold "love".
void add_albums(Recordset& set) {
    add_album(set, "Zappa", "Apostrophe", "Cosmik Debris\r\nLove Love Love", "1", "4");
    add_album(set, "Abba", "Arrival", "Dancing Queen\r\nWhen I Kissed The Teacher", "1", "CDA");
    add_album(set, "Björk", "Début", "Human Behaviour\r\nVénus as a Boy\r\nlOVE", "1", "7");
    add_album(set, "Beatles", "Help", write_song_sections({"Help\r\nThe Night Before", "Lovely"}),
              "2", "3");
    add_album(set, "Abba", "Voulez-Vous", "Lovers (Live a Little Longer)\r\nKisses of \u212Aire",
              "1", "5");
}

} // namespace

class SongSearchTest : public QObject {
    Q_OBJECT
private slots:
    // The lists are read as the file stores them: plain ASCII as bytes, anything else (accents,
    // signs that fold to ASCII letters, bytes that are no UTF-8) decoded first; both give what
    // the rule gives.
    void lines_found_in_stored_bytes_follow_the_rule() {
        const QList<QByteArray> lists = {
            "Love Me Do\r\nHelp\r\nlove, love me\r\nLOVE",
            "\r\nlove\rtail love\r\n\r\nlalala lal",
            "Ça plane\r\nK\xe2\x84\xaa"
            "elvin \xc5\xbf"
            "ong\r\nVénus, VÉNUS",
            "bad \xff\xfe love\r\n\xc3 love \xe2\x82",
            "\xf0\x90\x90\x80\xf0\x90\x90\xa8 x\r\nx \xf0\x90\x90\xa8",
            "== CD 1 ==\r\na\r\n\r\n== CD 2 ==\r\nb",
            "",
        };
        const QStringList needles = {"love", "LOVE", "k",     "s",    "\u017f",     "vénus",
                                     "lal",  "la",   "\r\nl", "cd 2", "\U00010400", "x"};
        for (const QByteArray& list : lists) {
            for (const QString& needle : needles) {
                SongLineFinder finder(needle);
                std::vector<quint32> starts;
                finder.find(list, starts);
                QStringList lines;
                for (const quint32 start : starts)
                    lines << SongLineFinder::line_at(list, start);
                QCOMPARE(lines, lines_by_the_rule(QString::fromUtf8(list), needle));
            }
        }
    }

    // The first albums are searched at once, the rest on a thread: the lines, their order and
    // their albums are the same as a search of the whole at once, whichever line is read first.
    void a_search_split_with_a_thread_lists_what_a_whole_search_lists() {
        CatalogueFixture c;
        add_albums(*c.set);
        auto set = open_main(c.path);
        CL_Search whole, split(2);
        search_songs(whole, *set, "love");
        QString error;
        split.search_records(set.get(), "love", SearchField::Songs, &error);
        QVERIFY(split.running());
        QCOMPARE(split.line_count(), 1); // of Abba's two albums, at once
        QSignalSpy finished(&split, &CL_Search::finished);
        QVERIFY(finished.wait());
        const QStringList expected = {"Lovers (Live a Little Longer) | Abba - Voulez-Vous CD 5",
                                      "Lovely | Beatles - Help CD 3",
                                      "lOVE | Björk - Début CD 7",
                                      "Love Love Love | Zappa - Apostrophe CD 4",
                                      "Love Love Love | Zappa - Apostrophe CD 4",
                                      "Love Love Love | Zappa - Apostrophe CD 4"};
        QCOMPARE(lines_of(whole, set->catalogue()), expected);
        QCOMPARE(lines_of(split, set->catalogue(), true), expected);

        search_songs(split, *set, "kelvin");
        QCOMPARE(lines_of(split, set->catalogue()), QStringList({"(Nothing found) | "}));
    }

    // A search started while another runs, or stopped, never shows the other's lines.
    void a_stopped_search_is_never_answered() {
        CatalogueFixture c;
        add_albums(*c.set);
        auto set = open_main(c.path);
        CL_Search search(1);
        QSignalSpy finished(&search, &CL_Search::finished);
        QString error;
        search.search_records(set.get(), "love", SearchField::Songs, &error);
        search.search_records(set.get(), "help", SearchField::Songs, &error);
        QVERIFY(finished.wait());
        QTest::qWait(50); // nothing more comes from the first search
        QCOMPARE(finished.size(), 1);
        QCOMPARE(lines_of(search, set->catalogue()), QStringList({"Help | Beatles - Help CD 3"}));

        search.search_records(set.get(), "love", SearchField::Songs, &error);
        search.stop();
        QVERIFY(!search.running());
        QTest::qWait(50);
        QCOMPARE(finished.size(), 1);
        QCOMPARE(search.line_count(), 0); // Abba - Arrival holds no love
    }

    // A line is read from the file when shown: after the catalogue changed, a line whose
    // album is gone, renamed, or no longer holds it shows nothing, even where another album
    // took the gone one's row.
    void a_line_shown_after_a_change_is_never_another_albums() {
        CatalogueFixture c;
        add_albums(*c.set);
        auto set = open_main(c.path);
        CL_Search search;
        search_songs(search, *set, "love");
        QString error;
        QVERIFY(set->find_first({"Album", "Voulez-Vous"}) && set->delete_current(&error));
        add_album(*set, "Muse", "Origin", "Lovers (Live a Little Longer)\r\nKisses of \u212Aire");
        QVERIFY(set->find_first({"Album", "Début"}));
        set->edit();
        set->set_value(u"Songs", "Human Behaviour\r\nVénus as a Boy\r\nJoga");
        QVERIFY(set->update(&error));
        QVERIFY(set->find_first({"Album", "Help"}));
        set->edit();
        set->set_value(u"Album", "Help!");
        QVERIFY(set->update(&error));
        QCOMPARE(lines_of(search, set->catalogue()),
                 QStringList({" | ", " | ", " | ", "Love Love Love | Zappa - Apostrophe CD 4",
                              "Love Love Love | Zappa - Apostrophe CD 4",
                              "Love Love Love | Zappa - Apostrophe CD 4"}));
    }
};

VINYLIX_TEST(SongSearchTest)
#include "test_song_search.moc"
