#include "store/recordset.h"
#include "support/albums.h"
#include "support/temp_folder.h"
#include "support/test_registry.h"
#include "transfer/spreadsheet_rows.h"

#include <QTest>

using namespace vinylix;

namespace {

AlbumRecord album(const QString& title, const QString& cd, const QString& size) {
    AlbumRecord a;
    a.fields = {"Air", title, "one\r\ntwo", "Yes", "2", "192", cd, size, "1998"};
    return a;
}

const QStringList reference = {"Artist", "Album", "Year", "Cover", "Cds", "Kbps", "CD #", "Size"};

FieldTicks ticked(std::initializer_list<int> positions) {
    FieldTicks t{};
    for (int k : positions)
        t[std::size_t(k)] = true;
    return t;
}

} // namespace

class SpreadsheetRowsTest : public QObject {
    Q_OBJECT
private slots:
    void ticked_fields_in_list_order_with_a_decimal_comma() {
        const AlbumRecord a = album("v1.0", "12", "650.5.1");
        QCOMPARE(spreadsheet_row(a, reference, ticked({0, 1, 2, 3, 4, 5, 6, 7})),
                 QStringLiteral("Air\tv1.0\t1998\tYes\t2\t192\t12\t650,5.1"));
        const QStringList order = {"Size",  "Year", "Artist", "Album",
                                   "Cover", "Cds",  "Kbps",   "CD #"};
        QCOMPARE(spreadsheet_row(a, order, ticked({0, 2})), QStringLiteral("650,5.1\tAir"));
        QCOMPARE(spreadsheet_row(album("", "1", ""), reference, ticked({1, 7})),
                 QStringLiteral("\t")); // empty values keep their columns
        // Songs and unknown names are no spreadsheet fields.
        QCOMPARE(spreadsheet_row(a, {"Songs", "CD", "Album"}, ticked({0, 1, 2})), "v1.0");
        QVERIFY(is_spreadsheet_order(order));
        QVERIFY(!is_spreadsheet_order(reference.mid(1) + QStringList{"Album"}));
        QVERIFY(!is_spreadsheet_order(reference + QStringList{"Size"}));
    }

    void disc_numbers_compare_as_exact_text() {
        const std::vector<AlbumRecord> albums = {album("A", "012", "1"), album("B", "12", "2"),
                                                 album("C", "CDA", "-"), album("D", "12", "3")};
        QCOMPARE(spreadsheet_rows(albums, "12", reference, ticked({1})), "B\r\nD");
        QCOMPARE(spreadsheet_rows(albums, "012", reference, ticked({1})), "A");
        QCOMPARE(spreadsheet_rows(albums, "cda", reference, ticked({1})), QString());
        // No ticked field: an empty line per album.
        QCOMPARE(spreadsheet_rows(albums, "12", reference, {}), "\r\n");
        QCOMPARE(spreadsheet_rows(albums, "012", reference, {}), QString());
    }

    void recordset_rows_follow_its_order_and_keep_its_cursor() {
        test::TempFolder folder;
        auto set = test::open_main(folder.make_catalogue());
        test::add_album(*set, "Zappa", "Hot Rats", {}, "1", "12", "400.1");
        test::add_album(*set, "air", "Talkie", {}, "1", "12", "300");
        test::add_album(*set, "Air", "Moon Safari", {}, "1", "12", "650.5");
        test::add_album(*set, "Bach", "Suites", {}, "2", "CDA", "-");
        set = test::open_main(folder.file("Vinylix.vnx"));
        set->set_absolute_position(3);
        QCOMPARE(spreadsheet_rows(*set, "12", reference, ticked({0, 1, 7})),
                 "Air\tMoon Safari\t650,5\r\nair\tTalkie\t300\r\nZappa\tHot Rats\t400,1");
        QCOMPARE(set->absolute_position(), 3);
        QCOMPARE(spreadsheet_rows(*set, "CDA", reference, ticked({4, 5, 7})), "2\t-\t-");
    }

    void a_left_disc_box_shows_its_number() {
        QCOMPARE(disc_number_text(u""), "0");
        QCOMPARE(disc_number_text(u"000"), "0");
        QCOMPARE(disc_number_text(u"0070x"), "70");
        // No rounding through a floating-point number, however long the number.
        QCOMPARE(disc_number_text(u"00123456789012345678901234567890"),
                 "123456789012345678901234567890");
    }
};

VINYLIX_TEST(SpreadsheetRowsTest)
#include "test_spreadsheet_rows.moc"
