#include "search/cl_search.h"
#include "search_fixture.h"
#include "store/song_list_text.h"
#include "support/test_registry.h"

using namespace vinylix;
using test::SearchCatalogue;

namespace {

QStringList search_lines(CL_Search& search, Recordset* set, const QString& text, int field) {
    return line_texts(search.search_records(set, text, field));
}

} // namespace

class TextSearchTest : public QObject {
    Q_OBJECT
private slots:
    void lists_a_song_line_once_for_every_occurrence() {
        SearchCatalogue c;
        c.add("Beatles", "Singles", "Love Me Do\r\nHelp\r\nLovely Rita\r\nlove, love me", "7");
        c.add("Abba", "Arrival", "Dancing Queen\r\nOne last LOVE", "CDA");
        c.add("Cure", "Two", write_song_sections({"a\r\nb", "c"}), "3", "2");
        Recordset* set = c.open().artists.get();
        CL_Search search;
        const int songs = int(SearchField::Songs);
        // The first line in full, the last line up to the end, a doubled line twice.
        QCOMPARE(search_lines(search, set, "love", songs),
                 QStringList({"One last LOVE", "Love Me Do", "Lovely Rita", "love, love me",
                              "love, love me"}));
        QCOMPARE(search.result_names(),
                 QStringList({"Abba - Arrival", "Beatles - Singles", "Beatles - Singles",
                              "Beatles - Singles", "Beatles - Singles"}));
        QCOMPARE(search.result_locations().first(), QStringLiteral("CD CDA"));
        QCOMPARE(search.result_locations().last(), QStringLiteral("CD 7"));
        QCOMPARE(search.display_info(2)->name, QStringLiteral("Beatles - Singles"));
        // A match inside the header of a CD lists the header line.
        QCOMPARE(search_lines(search, set, "cd 2", songs), QStringList({"== CD 2 =="}));
        QCOMPARE(search.display_info(0)->location, QStringLiteral("CD 3"));
    }

    void no_match_has_no_details_and_no_text_lists_nothing() {
        SearchCatalogue c;
        c.add("Beatles", "Help");
        Recordset* set = c.open().artists.get();
        CL_Search search;
        QCOMPARE(search_lines(search, set, "help", int(SearchField::Album)).size(), 1);
        QCOMPARE(search_lines(search, set, "help", -1), QStringList({"(Nothing found)"}));
        QVERIFY(!search.display_info(0));
        QVERIFY(search_lines(search, set, "", 0).isEmpty());
        QVERIFY(search.result_names().isEmpty());
        QVERIFY(search_lines(search, nullptr, "help", 1).isEmpty());
        QVERIFY(!search.display_info(0));
    }

    void leaves_the_recordset_on_the_current_album() {
        SearchCatalogue c;
        c.add("Abba", "Gold");
        c.add("Beatles", "Help");
        c.add("Cure", "Disintegration");
        Recordset* set = c.open().artists.get();
        set->set_absolute_position(1);
        CL_Search search;
        QCOMPARE(search_lines(search, set, "a", 0).size(), 2);
        QCOMPARE(set->value(u"Album"), QStringLiteral("Help"));
        set->move_last();
        set->move_next();
        search_lines(search, set, "e", 2);
        QVERIFY(set->eof());
    }
};

VINYLIX_TEST(TextSearchTest)
#include "test_text_search.moc"
