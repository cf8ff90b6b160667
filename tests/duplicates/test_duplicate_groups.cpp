#include "support/albums.h"
#include "support/test_registry.h"

#include "duplicates/duplicate_groups.h"
#include "duplicates/duplicate_texts.h"
#include "store/song_list_text.h"

#include <QTest>

using namespace vinylix;

namespace {

QString songs(int count, int cds = 1) {
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("Song %1").arg(i);
    if (cds == 1)
        return lines.join(crlf) + crlf; // a last line end is no song
    QStringList sections;
    for (int cd = 0; cd < cds; ++cd)
        sections << lines.mid(cd * count / cds, count / cds).join(crlf);
    return write_song_sections(sections);
}

void store(Recordset& set, const QString& artist, const QString& album, const QString& songs,
           const QString& cds, const QString& kbps, const QString& cd, const QString& size,
           const QString& year) {
    set.add_new();
    const std::pair<const char16_t*, QString> fields[] = {
        {u"Artist", artist}, {u"Album", album}, {u"Songs", songs}, {u"Cds", cds},
        {u"Kbps", kbps},     {u"CD", cd},       {u"Size", size},   {u"Year", year}};
    for (const auto& [name, value] : fields)
        set.set_value(name, value);
    QString error;
    QVERIFY2(set.update(&error), qPrintable(error));
}

DuplicateGroups found_in(Catalogue& catalogue) {
    QString error;
    auto found = find_duplicate_groups(catalogue, {}, &error);
    if (!found)
        qFatal("the groups could not be found: %s", qPrintable(error));
    return *found;
}

} // namespace

class DuplicateGroupsTest : public QObject {
    Q_OBJECT

private slots:
    // The biggest saving first (equal savings in the catalogue's order), each group's copies in
    // the catalogue's order under its first copy's names; the best copy has the most songs,
    // then the highest bitrate, then the largest size, else comes first; audio CDs free no
    // megabytes; albums that only look alike stay apart.
    void groups_best_copies_and_totals_of_a_small_catalogue() {
        test::CatalogueFixture c;
        Recordset& set = *c.set;
        store(set, "Pink Floyd", "The Wall", songs(26, 2), "2", "192", "12", "650.5", "1979");
        store(set, "Abba", "Gold (Deluxe Edition)", songs(19), "1", "160", "3", "90.25", "2008");
        store(set, "Pink Floyd", "The Wall [CD1]", songs(13), "1", "320", "31", "350", "2011");
        store(set, "blur", "Parklife", songs(16), "1", "128", "2", "100", "1994");
        store(set, "The Beatles", "Abbey Road", songs(17), "1", "192", "5", "100", "1969");
        store(set, "PINK FLOYD", "The Wall (Remastered)", songs(26, 2), "2", "320", "30", "700",
              "2011");
        store(set, "ABBA", "Gold", songs(19), "1", "-", "CDA", "-", "1992");
        store(set, "Blur", "Parklife", songs(16), "1", "128", "1", "100", "1994");
        store(set, "Beatles", "Abbey Road", songs(17), "1", "192", "7", "120", "1969");
        const QString expected = QStringLiteral(
            "Pink Floyd \u2013 The Wall: 3 copies, 1000.5 MB could be freed\r\n"
            "  Pink Floyd \u2013 The Wall: Disc 12, 650.5 MB, 192 kbps, 1979, 2 CDs, 26 songs\r\n"
            "  PINK FLOYD \u2013 The Wall (Remastered): Disc 30, 700 MB, 320 kbps, 2011, 2 CDs, "
            "26 songs, best\r\n"
            "  Pink Floyd \u2013 The Wall [CD1]: Disc 31, 350 MB, 320 kbps, 2011, 1 CD, "
            "13 songs\r\n"
            "\r\n"
            "Beatles \u2013 Abbey Road: 2 copies, 100 MB could be freed\r\n"
            "  Beatles \u2013 Abbey Road: Disc 7, 120 MB, 192 kbps, 1969, 1 CD, 17 songs, best\r\n"
            "  The Beatles \u2013 Abbey Road: Disc 5, 100 MB, 192 kbps, 1969, 1 CD, 17 songs\r\n"
            "\r\n"
            "blur \u2013 Parklife: 2 copies, 100 MB could be freed\r\n"
            "  blur \u2013 Parklife: Disc 2, 100 MB, 128 kbps, 1994, 1 CD, 16 songs, best\r\n"
            "  Blur \u2013 Parklife: Disc 1, 100 MB, 128 kbps, 1994, 1 CD, 16 songs\r\n"
            "\r\n"
            "ABBA \u2013 Gold: 2 copies\r\n"
            "  ABBA \u2013 Gold: CDA, 1992, 1 CD, 19 songs\r\n"
            "  Abba \u2013 Gold (Deluxe Edition): Disc 3, 90.25 MB, 160 kbps, 2008, 1 CD, "
            "19 songs, best\r\n"
            "\r\n"
            "4 groups, 9 albums, 1200.5 MB could be freed\r\n");
        QCOMPARE(duplicates_list_text(found_in(c.set->catalogue())), expected);
    }

    void a_search_told_to_stop_gives_nothing() {
        test::CatalogueFixture c;
        test::add_albums(*c.set, {{"Blur", "Parklife"}, {"Blur", "Parklife"}});
        QString error;
        QVERIFY(!find_duplicate_groups(
            c.set->catalogue(), [](qint64, qint64) { return false; }, &error));
        QVERIFY(error.isEmpty());
    }

    void says_why_there_is_no_group() {
        test::CatalogueFixture c;
        QCOMPARE(duplicates_list_text(found_in(c.set->catalogue())),
                 QStringLiteral("The catalogue holds no albums.\r\n"));
        test::add_albums(*c.set, {{"Blur", "Parklife"}, {"Blur", "Parklife Live"}});
        QCOMPARE(nothing_found_text(found_in(c.set->catalogue())),
                 QStringLiteral("No two of the 2 albums in the catalogue are the same album."));
    }
};

VINYLIX_TEST(DuplicateGroupsTest)

#include "test_duplicate_groups.moc"
