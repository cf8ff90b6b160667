#include "shelf/disc_texts.h"
#include "shelf/free_numbers.h"
#include "shelf/shelf_discs.h"
#include "shelf/shelf_media.h"
#include "store/shelf_albums.h"
#include "support/albums.h"
#include "support/test_registry.h"

#include <QRegularExpression>
#include <QTest>
#include <SQLiteCpp/Database.h>

using namespace vinylix;

namespace {

ShelfAlbum album(const QString& cd, const QString& size = {}, const QString& artist = "A",
                 const QString& title = "a", const QString& year = {}) {
    return {artist, title, cd, size, year};
}

std::vector<ShelfAlbum> on_discs(const QStringList& cds) {
    std::vector<ShelfAlbum> albums;
    for (const QString& cd : cds)
        albums.push_back(album(cd, "1"));
    return albums;
}

QStringList numbers(const Shelf& shelf) {
    QStringList list;
    for (const ShelfDisc& d : shelf.discs)
        list << d.number;
    return list;
}

QString free_text(const QStringList& cds) {
    return free_numbers_text(free_numbers(arrange_shelf(on_discs(cds)).discs));
}

QStringList cds_of(const std::vector<ShelfAlbum>& albums, const std::vector<std::size_t>& at) {
    QStringList list;
    for (std::size_t p : at)
        list << albums[p].cd + "/" + albums[p].artist + "/" + albums[p].album;
    return list;
}

} // namespace

class ShelfRulesTest : public QObject {
    Q_OBJECT
private slots:
    void discs_in_numeric_order_with_their_albums_sizes_and_free_numbers() {
        const std::vector<ShelfAlbum> albums = {album("5", "300"), album("1", "650.25"),
                                                album("7", "10"),  album("2", "-"),
                                                album("5", "0.5"), album("CDA", "-")};
        const Shelf shelf = arrange_shelf(albums);
        QCOMPARE(numbers(shelf), QStringList({"1", "2", "5", "7"}));
        QCOMPARE(shelf.discs[2].albums, (std::vector<std::size_t>{0, 4}));
        QCOMPARE(shelf.discs[2].size_hundredths, 30050);
        QCOMPARE(shelf.discs[1].size_hundredths, 0); // "-" adds nothing
        QCOMPARE(free_numbers_text(free_numbers(shelf.discs)), QStringLiteral("3, 4, 6"));
        QCOMPARE(shelf.audio_cds, std::vector<std::size_t>{5});
        QVERIFY(shelf.not_disc_numbers.empty());

        // Runs of three or more are written first–last.
        QStringList cds = {"1", "2", "3", "5", "6", "7", "8", "31"};
        for (int n = 12; n <= 29; ++n)
            cds << QString::number(n);
        QCOMPARE(free_text(cds), QStringLiteral("4, 9\u201311, 30"));
        QCOMPARE(free_text({"10", "9", "2"}), QStringLiteral("1, 3\u20138")); // 10 after 9
        QCOMPARE(free_text({"1", "2", "3"}), QString());
    }

    void odd_disc_numbers_are_read_by_their_value_or_listed_apart() {
        std::vector<ShelfAlbum> albums = {album("", {}, "Blur", "Parklife"),
                                          album("12abc", {}, "Cure"), album("12abc", {}, "abba"),
                                          album("", {}, "blur", "13")};
        for (const char* cd : {"007", "7", "CDA", " 12", "cda", "-3", "99999999999999999999999",
                               "0", "1000000000", "0000000000061"})
            albums.push_back(album(cd));
        const Shelf shelf = arrange_shelf(albums);
        // "007" is disc 7; a number of ten digits or more is a mistake, not a disc.
        QCOMPARE(numbers(shelf), QStringList({"0", "7", "61"}));
        QCOMPARE(shelf.discs[1].albums.size(), std::size_t(2));
        QCOMPARE(shelf.audio_cds.size(), std::size_t(1));
        QVERIFY(is_disc_number(u"0999999999"));
        // Apart: by the text, then by artist and album, letter case ignored.
        QCOMPARE(cds_of(albums, shelf.not_disc_numbers),
                 QStringList({"/blur/13", "/Blur/Parklife", " 12/A/a", "-3/A/a", "1000000000/A/a",
                              "12abc/abba/a", "12abc/Cure/a", "99999999999999999999999/A/a",
                              "cda/A/a"}));
        QCOMPARE(not_disc_number_line(albums[0]), QStringLiteral("\"\": Blur \u2013 Parklife"));
        // Disc 0 frees nothing; free numbers end at the largest real disc.
        QCOMPARE(free_numbers_text(free_numbers(shelf.discs)),
                 QStringLiteral("1\u20136, 8\u201360"));
        QCOMPARE(free_text({"0"}), QString());
        QCOMPARE(free_text({"1", "1000"}), QStringLiteral("2\u2013999"));
        QCOMPARE(free_text({"100", "102"}), QStringLiteral("1\u201399, 101"));
    }

    void sizes_add_up_exactly_and_never_overflow() {
        // Each size rounded to hundredths as it is added, as the statistics do.
        const Shelf shelf = arrange_shelf(
            {album("3", "1"), album("3", "0.015"), album("3", "0.125"), album("3", "abc")});
        QCOMPARE(shelf.discs[0].size_hundredths, 114);
        std::vector<ShelfAlbum> huge(20'000, album("4", "99999999999999999999"));
        huge.push_back(album("4", "-99999999999999999999"));
        const qint64 total = arrange_shelf(huge).discs[0].size_hundredths;
        QVERIFY(total > 1'000'000'000'000'000'000);
        QVERIFY(excess_hundredths(total, Medium::CdR700) > 0);
        const QString line = disc_line(arrange_shelf(huge).discs[0], Medium::CdR700);
        QVERIFY2(QRegularExpression("^Disc 4: 20001 albums, [0-9.]+ MB, over by [0-9.]+ MB$")
                     .match(line)
                     .hasMatch(),
                 qPrintable(line));
    }

    void a_disc_is_over_capacity_only_beyond_its_medium() {
        const Medium cd650 = Medium::CdR650;
        const Medium cd700 = Medium::CdR700;
        const Shelf shelf = arrange_shelf(
            {album("1", "690"), album("2", "700"), album("3", "400"), album("3", "300.5")});
        const ShelfDisc& d690 = shelf.discs[0];
        QCOMPARE(disc_line(d690, cd700), QStringLiteral("Disc 1: 1 album, 690 MB"));
        QCOMPARE(disc_line(d690, cd650), QStringLiteral("Disc 1: 1 album, 690 MB, over by 40 MB"));
        QCOMPARE(excess_hundredths(shelf.discs[1].size_hundredths, cd700), 0); // exactly full
        QCOMPARE(disc_line(shelf.discs[2], cd700),
                 QStringLiteral("Disc 3: 2 albums, 700.5 MB, over by 0.5 MB"));
        QCOMPARE(filled_part(35000, cd700), 0.5);
        QCOMPARE(filled_part(-100, cd700), 0.0);
        QCOMPARE(filled_part(shelf.discs[2].size_hundredths, cd700), 1.0);
    }

    void the_insert_of_a_disc_byte_for_byte() {
        const std::vector<ShelfAlbum> albums = {
            album("12", "98", "The Cure", "Faith", "1981"),
            album("3", "50", "Elsewhere", "Not here", "2000"),
            album("012", "612.40", "Blur", "Parklife", "1994"),
            album("12", "-", "blur", "13 (Live\r\nEdition)", ""),
            album("12", "0.125", "Água", "Nova", " 2003 ")};
        const Shelf shelf = arrange_shelf(albums);
        const QString insert = disc_insert(shelf.discs[1], albums);
        QCOMPARE(insert.toUtf8(), QByteArray("Disc 12\r\n"
                                             "\r\n"
                                             "\xC3\x81gua \xE2\x80\x93 Nova (2003), 0.12 MB\r\n"
                                             "blur \xE2\x80\x93 13 (Live  Edition)\r\n"
                                             "Blur \xE2\x80\x93 Parklife (1994), 612.4 MB\r\n"
                                             "The Cure \xE2\x80\x93 Faith (1981), 98 MB\r\n"
                                             "\r\n"
                                             "Total: 4 albums, 710.52 MB\r\n"));
        QCOMPARE(album_line(albums[2]), QStringLiteral("Blur \u2013 Parklife, 612.4 MB"));
        QCOMPARE(album_line(albums[3]), QStringLiteral("blur \u2013 13 (Live  Edition)"));
        QCOMPARE(audio_cds_line(1), QStringLiteral("CDA: 1 album (audio CDs)"));
        // Its file: ".txt" added where the file's own name has no extension.
        QCOMPARE(insert_file_name("my.discs/disc 5"), QStringLiteral("my.discs/disc 5.txt"));
        QCOMPARE(insert_file_name("disc.5"), QStringLiteral("disc.5"));
    }

    void the_store_reads_every_album_without_the_main_recordset() {
        test::CatalogueFixture f;
        test::add_album(*f.set, "Blur", "Parklife", "Girls & Boys", "1", "12", "612.4", "1994");
        test::add_album(*f.set, "Abba", "Gold", {}, "1", "CDA", "-", "1992");
        test::add_album(*f.set, "ABBA", "Arrival", {}, "1", "CDA", "-", "1992");
        f.set->move_last();
        QString error;
        auto catalogue = Catalogue::open(f.path, &error);
        std::vector<ShelfAlbum> albums{album("old")};
        QVERIFY(read_shelf_albums(*catalogue, albums, &error));
        QCOMPARE(albums, (std::vector<ShelfAlbum>{{"Blur", "Parklife", "12", "612.4", "1994"},
                                                  {"Abba", "Gold", "CDA", "-", "1992"},
                                                  {"ABBA", "Arrival", "CDA", "-", "1992"}}));
        QCOMPARE(f.set->value(Field::Album), QStringLiteral("Arrival")); // cursor where it was

        catalogue->database().exec("DROP TABLE vinylix");
        QVERIFY(!read_shelf_albums(*catalogue, albums, &error));
        QVERIFY(albums.empty());
        QVERIFY2(error.contains(f.path), qPrintable(error));
    }
};

VINYLIX_TEST(ShelfRulesTest)
#include "test_shelf_rules.moc"
