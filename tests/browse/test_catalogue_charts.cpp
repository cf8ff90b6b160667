#include "browse/catalogue_charts.h"
#include "browse/chart_bars.h"
#include "support/albums.h"
#include "support/test_registry.h"

#include <QTest>
#include <limits>

using namespace vinylix;

namespace {

constexpr int this_year = 2025;

void add(Recordset& set, const char* artist, const char* kbps, const char* cd, const char* size,
         const char* year) {
    set.add_new();
    set.set_value(u"Artist", QString::fromUtf8(artist));
    set.set_value(u"Album", QStringLiteral("Album"));
    set.set_value(u"Kbps", QString::fromUtf8(kbps));
    set.set_value(u"CD", QString::fromUtf8(cd));
    set.set_value(u"Size", QString::fromUtf8(size));
    set.set_value(u"Year", QString::fromUtf8(year));
    QString error;
    QVERIFY2(set.update(&error), qPrintable(error));
}

ChartBar bar(const char* label, const char* value, qint64 albums) {
    return {QString::fromUtf8(label), QString::fromUtf8(value), albums};
}

} // namespace

class CatalogueChartsTest : public QObject {
    Q_OBJECT
private slots:
    // Odd values go where a user would look for them: years that are no real year of release
    // are "Unknown"; "-" is the audio CDs' bitrate; "007" is disc 7, a number of 23 digits is
    // no disc; an artist in two letter cases is one artist under the spelling the browser
    // lists, an unaccented one another. The four figures stay as they always were (artists
    // by their exact spelling, the highest disc number plus the audio CDs). Albums added
    // since the rows were sorted count the same.
    void every_chart_counts_the_albums_where_the_browser_would_show_them() {
        test::CatalogueFixture f;
        QVERIFY(catalogue_charts(*f.set, this_year) == CatalogueCharts{}); // nothing held
        add(*f.set, "Björk", "192", "007", "650.5", "1994");
        add(*f.set, "BJÖRK", "192", "7", "60", "1996");
        add(*f.set, "Bjork", "abc", "12", "100.25", "0");
        add(*f.set, "Abba", "-", "CDA", "-", "19");
        add(*f.set, "Abba", "128", "12345678901234567890123", "50", "2099");
        add(*f.set, "Cure", "", "12", "1.005", "");
        const CatalogueCharts as_added = catalogue_charts(*f.set, this_year);
        f.set = test::open_main(f.path);

        const CatalogueCharts c = catalogue_charts(*f.set, this_year);
        QVERIFY(as_added == c);
        QCOMPARE(c.years, (std::vector<ChartBar>{bar("1994", "1994", 1), bar("1995", "1995", 0),
                                                 bar("1996", "1996", 1), bar("Unknown", "", 4)}));
        QCOMPARE(c.bitrates, (std::vector<ChartBar>{bar("128", "128", 1), bar("192", "192", 2),
                                                    bar("Unknown", "", 1), bar("abc", "abc", 1),
                                                    bar("Audio CD", "-", 1)}));
        QCOMPARE(c.discs, (std::vector<DiscBar>{{7, 2, 71050}, {12, 2, 10125}}));
        QCOMPARE(c.audio_cds, 1);
        QCOMPARE(c.off_shelf, 1);
        QCOMPARE(c.artists,
                 (std::vector<ChartBar>{bar("Abba", "Abba", 2), bar("Björk", "Björk", 2),
                                        bar("Bjork", "Bjork", 1), bar("Cure", "Cure", 1)}));
        const Statistics figures{5, 6, std::numeric_limits<qint64>::max() / 2 + 1, 86175};
        QCOMPARE(c.figures, figures);
        QVERIFY(!c.discs[0].past(711) && c.discs[0].past(710)); // 710.5 MB
    }

    // Only the 15 artists with the most albums are charted; ties keep the browser's order.
    void fifteen_artists_at_most() {
        test::CatalogueFixture f;
        for (int a = 1; a <= 17; ++a)
            add(*f.set, qPrintable(QStringLiteral("Artist %1").arg(a, 2, 10, QChar(u'0'))), "", "1",
                "", "");
        add(*f.set, "artist 17", "", "1", "", "");
        f.set = test::open_main(f.path);
        const std::vector<ChartBar> artists = catalogue_charts(*f.set, this_year).artists;
        QCOMPARE(artists.size(), std::size_t(15));
        QCOMPARE(artists[0], bar("Artist 17", "Artist 17", 2));
        QCOMPARE(artists[1].label + artists[14].label, QStringLiteral("Artist 01Artist 14"));
    }

    // A bar stands for one thing where it can: not the unknown years, not a year without
    // albums. A disc's tooltip says by how much it is past the medium.
    void a_bar_stands_for_what_it_counts() {
        CatalogueCharts c;
        c.years = {bar("1994", "1994", 1), bar("1995", "1995", 0), bar("Unknown", "", 3)};
        c.bitrates = {bar("Audio CD", "-", 2)};
        c.discs = {{7, 2, 71050}, {12, 1, 100}};
        c.artists = {bar("Abba", "Abba", 2)};
        const auto choice = [&](ChartKind kind, int bar) {
            const std::optional<ChartChoice> chosen = chart_choice(c, kind, bar);
            return chosen ? chosen->value : QStringLiteral("<none>");
        };
        QCOMPARE(QStringList({choice(ChartKind::Years, 0), choice(ChartKind::Years, 1),
                              choice(ChartKind::Years, 2), choice(ChartKind::Bitrates, 0),
                              choice(ChartKind::Shelf, 1), choice(ChartKind::Artists, 0),
                              choice(ChartKind::Artists, 1)}),
                 QStringList({"1994", "<none>", "<none>", "-", "12", "Abba", "<none>"}));
        const BarChart shelf = bar_chart(c, ChartKind::Shelf, {"CD-R 700 MB", 700});
        QCOMPARE(shelf.tips, QStringList({"Disc 7: 2 albums, 710.5 MB, 10.5 MB more than a "
                                          "CD-R 700 MB holds",
                                          "Disc 12: 1 album, 1 MB"}));
        QCOMPARE(shelf.past, std::vector<bool>({true, false}));
    }
};

VINYLIX_TEST(CatalogueChartsTest)
#include "test_catalogue_charts.moc"
