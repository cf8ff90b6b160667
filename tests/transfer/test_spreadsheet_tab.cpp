#include "store/catalogue_load.h"
#include "support/albums.h"
#include "support/temp_folder.h"
#include "support/test_registry.h"
#include "transfer/spreadsheet_tab.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolBar>

using namespace vinylix;
using vinylix::test::add_album;

namespace {

const QStringList reference = {"Artist", "Album", "Year", "Cover", "Cds", "Kbps", "CD #", "Size"};

FieldTicks ticked(std::initializer_list<int> positions) {
    FieldTicks ticks{};
    for (int k : positions)
        ticks[std::size_t(k)] = true;
    return ticks;
}

// The tab, shown at about the size the main window gives it, over a catalogue of four albums:
// two on disc 12, one on 120 and an audio CD.
struct Tab {
    test::TempFolder folder;
    SharedState state;
    SpreadsheetTab tab{state};

    Tab() {
        auto set = test::open_main(folder.make_catalogue());
        add_album(*set, "Beck", "Sea Change", {}, "1", "12", "512");
        add_album(*set, "Air", "Moon Safari", {}, "1", "12", "650.5");
        add_album(*set, "Bach", "Cello Suites", {}, "2", "CDA", "-");
        add_album(*set, "Dido", "Life for Rent", {}, "1", "120", "400");
        test::load_into(state, folder.path());
        tab.resize(740, 400);
        tab.show();
        QVERIFY(QTest::qWaitForWindowActive(&tab));
    }
    template <class T = QWidget> T* child(const QString& name) const {
        return tab.findChild<T*>(name);
    }
    QCheckBox* box(int k) const { return child<QCheckBox>(QStringLiteral("field_check%1").arg(k)); }
    void click(const char* button) const {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    }
    void tick(std::initializer_list<int> positions) const {
        for (int k : positions)
            QTest::mouseClick(box(k), Qt::LeftButton);
    }
    // The field names as listed, a ticked one marked "+".
    QStringList fields() const {
        QStringList names;
        for (int k = 0; k < 8; ++k)
            names << (box(k)->isChecked() ? "+" : "") +
                         child<QListWidget>("ex_fields")->item(k)->text();
        return names;
    }
    QString shown() const { return child<QPlainTextEdit>("excel_result_txt")->toPlainText(); }
    // The rows shown after "Get Albums" for `disc` typed into the emptied box.
    QString rows(const char* disc) const {
        child<QLineEdit>("excel_cdnr_txt")->clear();
        QTest::keyClicks(child<QLineEdit>("excel_cdnr_txt"), disc);
        click("excel_getalbums");
        return shown();
    }
    bool can_copy() const { return child<QAction>("copy")->isEnabled(); }
};

} // namespace

class SpreadsheetTest : public QObject {
    Q_OBJECT
private slots:
    void rows_hold_the_ticked_fields_in_list_order_with_a_decimal_comma() {
        AlbumRecord a;
        a.fields = {"Air", "v1.0", "one\r\ntwo", "Yes", "2", "192", "12", "650.5.1", "1998"};
        QCOMPARE(spreadsheet_row(a, reference, ticked({0, 1, 2, 3, 4, 5, 6, 7})),
                 QStringLiteral("Air\tv1.0\t1998\tYes\t2\t192\t12\t650,5.1"));
        QCOMPARE(spreadsheet_row(AlbumRecord{}, reference, ticked({1, 7})), "\t"); // columns kept
        QCOMPARE(spreadsheet_row(a, {"Songs", "CD", "Album"}, ticked({0, 1, 2})), "v1.0");
        a.fields = {"Simon\t&\r\nGarfunkel", "Live\nin\u2028the\rPark"}; // one row, its cells
        QCOMPARE(spreadsheet_row(a, reference, ticked({0, 1})),
                 "Simon & Garfunkel\tLive in the Park");
        QVERIFY(is_spreadsheet_order(QStringList(reference.rbegin(), reference.rend())));
        QVERIFY(!is_spreadsheet_order(reference.mid(1) + QStringList{"Album"}));

        // Disc numbers compare as exact text; no ticked field gives an empty line per album.
        test::CatalogueFixture f;
        for (const char* cd : {"12", "012", "CDA", "12"})
            add_album(*f.set, "A", cd, {}, "1", cd);
        QCOMPARE(spreadsheet_rows(*f.set, "12", reference, ticked({6})), "12\r\n12");
        QCOMPARE(spreadsheet_rows(*f.set, "012", reference, ticked({6})), "012");
        QCOMPARE(spreadsheet_rows(*f.set, "12", reference, {}), "\r\n");

        QCOMPARE(disc_number_text(u"00123456789012345678901234567890x"),
                 "123456789012345678901234567890"); // no rounding through a double
    }

    void disc_12_gives_two_rows_for_the_clipboard_and_an_empty_disc_none() {
        const Tab t;
        QCOMPARE(t.fields(), reference); // nothing ticked at first
        QVERIFY(!t.can_copy());
        t.tick({0, 1, 7});
        QCOMPARE(t.rows("12"), QStringLiteral("Air\tMoon Safari\t650,5\nBeck\tSea Change\t512"));
        QVERIFY(t.can_copy());
        QGuiApplication::clipboard()->clear();
        QTest::mouseClick(t.child<QToolBar>("Toolbar2")->widgetForAction(t.child<QAction>("copy")),
                          Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("Air\tMoon Safari\t650,5\r\nBeck\tSea Change\t512"));
        QCOMPARE(t.rows("135"), QString());
        QVERIFY(!t.can_copy());
    }

    void moved_fields_keep_their_ticks_in_the_options() {
        const Tab t;
        t.tick({0, 7});
        t.child<QListWidget>("ex_fields")->setCurrentRow(7);
        for (int i = 0; i < 8; ++i) // the last click, at the top, changes nothing
            t.click("up_bttn");
        QCOMPARE(t.fields().mid(0, 3), QStringList({"+Size", "+Artist", "Album"}));
        t.click("down_bttn");
        QCOMPARE(t.fields().mid(0, 3), QStringList({"+Artist", "+Size", "Album"}));
        QCOMPARE(t.rows("12"), QStringLiteral("Air\t650,5\nBeck\t512"));

        Tab later;
        later.tab.take_options(t.tab.options());
        QCOMPARE(later.fields(), t.fields());
    }

    void disc_box_takes_digits_only_and_shows_its_number_when_left_or_entered() {
        const Tab t;
        t.tick({1});
        auto* disc = t.child<QLineEdit>("excel_cdnr_txt");
        disc->setFocus();
        QTest::keyClicks(disc, "CDA0x0!7"); // so audio CDs are never asked for
        QCOMPARE(disc->text(), QStringLiteral("007"));
        t.child("ex_fields")->setFocus();
        QTRY_COMPARE(disc->text(), QStringLiteral("7"));
        disc->setFocus();
        disc->clear();
        QTest::keyClicks(disc, "0120");
        QTest::keyClick(disc, Qt::Key_Return);
        QCOMPARE(t.shown() + '|' + disc->text(), QStringLiteral("Life for Rent|120"));
    }

    void reads_the_catalogue_as_it_is_at_each_click_and_keeps_its_cursor() {
        Tab t;
        t.tick({1});
        auto set = std::move(t.state.artists); // closed: nothing to list
        QCOMPARE(t.rows("12"), QString());
        QVERIFY(!t.can_copy());
        add_album(*set, "Eels", "Beautiful Freak", {}, "1", "12", "300");
        set->set_absolute_position(3);
        t.state.artists = std::move(set);
        QCOMPARE(t.rows("12"), QStringLiteral("Moon Safari\nSea Change\nBeautiful Freak"));
        QCOMPARE(t.state.artists->absolute_position(), 3);
    }
};

VINYLIX_TEST(SpreadsheetTest)
#include "test_spreadsheet_tab.moc"
