#include "app/settings_file.h"
#include "store/catalogue_load.h"
#include "support/albums.h"
#include "support/temp_folder.h"
#include "support/test_registry.h"
#include "transfer/spreadsheet_tab.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolBar>

using namespace vinylix;
using vinylix::test::add_album;
using vinylix::test::open_main;

namespace {

const QStringList reference = {"Artist", "Album", "Year", "Cover", "Cds", "Kbps", "CD #", "Size"};

// A catalogue of five albums, two of them on disc 12 and one an audio CD, opened as the
// program opens it.
struct Shelf {
    test::TempFolder folder;
    SharedState state;

    Shelf() {
        auto set = open_main(folder.make_catalogue());
        add_album(*set, "Cake", "Fashion Nugget", {}, "1", "13", "480", "1996");
        add_album(*set, "Beck", "Sea Change", {}, "1", "12", "512", "2002");
        add_album(*set, "Air", "Moon Safari", {}, "1", "12", "650.5", "1998");
        add_album(*set, "Bach", "Cello Suites", {}, "2", "CDA", "-", "1990");
        add_album(*set, "Dido", "Life for Rent", {}, "1", "120", "400", "2003");
        load_catalogue(state, folder.path());
    }
};

template <class T> T* child(const QWidget& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

QCheckBox* box(const QWidget& tab, int k) {
    return child<QCheckBox>(tab, qPrintable(QStringLiteral("field_check%1").arg(k)));
}

QStringList shown_order(const QWidget& tab) {
    const auto* list = child<QListWidget>(tab, "ex_fields");
    QStringList names;
    for (int k = 0; k < list->count(); ++k)
        names << list->item(k)->text();
    return names;
}

QList<bool> shown_ticks(const QWidget& tab) {
    QList<bool> ticks;
    for (int k = 0; k < 8; ++k)
        ticks << box(tab, k)->isChecked();
    return ticks;
}

void tick(const QWidget& tab, std::initializer_list<int> positions) {
    for (int k : positions) {
        QTest::mouseClick(box(tab, k), Qt::LeftButton);
        QVERIFY(box(tab, k)->isChecked());
    }
}

void select_field(const QWidget& tab, int row) {
    auto* list = child<QListWidget>(tab, "ex_fields");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
    QCOMPARE(list->currentRow(), row);
}

void click(const QWidget& tab, const char* button) {
    QTest::mouseClick(child<QPushButton>(tab, button), Qt::LeftButton);
}

QAction* copy_button(const QWidget& tab) {
    return child<QToolBar>(tab, "Toolbar2")->actions().value(0);
}

void click_copy(const QWidget& tab) {
    auto* bar = child<QToolBar>(tab, "Toolbar2");
    QTest::mouseClick(bar->widgetForAction(copy_button(tab)), Qt::LeftButton);
}

QString result(const QWidget& tab) {
    return child<QPlainTextEdit>(tab, "excel_result_txt")->toPlainText();
}

QLineEdit* disc_box(const QWidget& tab) {
    return child<QLineEdit>(tab, "excel_cdnr_txt");
}

// Shows the tab at about the size the main window gives it.
void show_active(QWidget& tab) {
    tab.resize(740, 400);
    tab.show();
    QVERIFY(QTest::qWaitForWindowActive(&tab));
}

} // namespace

class SpreadsheetTabTest : public QObject {
    Q_OBJECT
private slots:
    void shows_its_controls_and_fixed_texts() {
        SharedState state;
        SpreadsheetTab tab(state);
        show_active(tab);
        QCOMPARE(tab.objectName(), QStringLiteral("excel_frame"));
        QCOMPARE(shown_order(tab), reference);
        auto* supp = child<QListWidget>(tab, "ex_fields_supp");
        QVERIFY(!supp->isVisible());
        QCOMPARE(supp->count(), 8);
        QCOMPARE(supp->item(7)->text(), QStringLiteral("Size"));
        QCOMPARE(shown_ticks(tab), QList<bool>(8, false));
        auto* group = tab.findChild<QButtonGroup*>(QStringLiteral("field_check"));
        QVERIFY(group && !group->exclusive());
        QCOMPARE(group->button(5), box(tab, 5));
        QCOMPARE(child<QPushButton>(tab, "excel_getalbums")->text(), QStringLiteral("Get Albums"));
        QVERIFY(child<QPushButton>(tab, "up_bttn") && child<QPushButton>(tab, "down_bttn"));
        QVERIFY(!copy_button(tab)->isEnabled());

        QStringList titles, labels;
        for (auto* frame : tab.findChildren<QGroupBox*>())
            titles << frame->title();
        for (auto* label : tab.findChildren<QLabel*>())
            labels << label->text();
        QCOMPARE(titles, QStringList({"Considerations", "Available Fields",
                                      "Information being transfered"}));
        QVERIFY(labels.contains("CD #:"));
        QVERIFY(labels.contains("Information to be pasted in Microsoft Excel:"));
        QVERIFY(labels.contains(
            "Some people might prefer to store their album information in Microsoft Excel. Since "
            "I have found that transfering the information from this database to excel could be "
            "a rather dull chore, I have automated it for you. You just have to copy and then "
            "past the information in excel."));
    }

    void each_check_box_stands_level_with_its_field() {
        SharedState state;
        SpreadsheetTab tab(state);
        show_active(tab);
        auto* list = child<QListWidget>(tab, "ex_fields");
        for (int k = 0; k < 8; ++k) {
            const QRect item = list->visualItemRect(list->item(k));
            const int item_middle = list->viewport()->mapTo(&tab, item.center()).y();
            QCheckBox* check = box(tab, k);
            const int box_middle = check->mapTo(&tab, check->rect().center()).y();
            QVERIFY2(
                std::abs(item_middle - box_middle) <= 2,
                qPrintable(QStringLiteral("%1: %2 %3").arg(k).arg(item_middle).arg(box_middle)));
        }
    }

    void disc_12_gives_two_rows_of_the_ticked_fields_for_the_clipboard() {
        Shelf shelf;
        SpreadsheetTab tab(shelf.state);
        show_active(tab);
        tick(tab, {0, 1, 7});
        QTest::keyClicks(disc_box(tab), "12");
        click(tab, "excel_getalbums");
        QCOMPARE(result(tab), QStringLiteral("Air\tMoon Safari\t650,5\nBeck\tSea Change\t512"));
        QVERIFY(copy_button(tab)->isEnabled());
        QGuiApplication::clipboard()->clear();
        click_copy(tab);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("Air\tMoon Safari\t650,5\r\nBeck\tSea Change\t512"));
    }

    void moving_size_to_the_top_keeps_its_tick() {
        Shelf shelf;
        SpreadsheetTab tab(shelf.state);
        show_active(tab);
        tick(tab, {0, 7});
        select_field(tab, 7);
        for (int i = 0; i < 8; ++i) // the last click, at the top, changes nothing
            click(tab, "up_bttn");
        QCOMPARE(shown_order(tab),
                 QStringList({"Size", "Artist", "Album", "Year", "Cover", "Cds", "Kbps", "CD #"}));
        QCOMPARE(shown_ticks(tab),
                 QList<bool>({true, true, false, false, false, false, false, false}));
        QCOMPARE(child<QListWidget>(tab, "ex_fields")->currentRow(), 0);
        click(tab, "down_bttn");
        QCOMPARE(shown_order(tab).mid(0, 2), QStringList({"Artist", "Size"}));
        QCOMPARE(shown_ticks(tab).mid(0, 3), QList<bool>({true, true, false}));

        select_field(tab, 7); // "CD #", unticked, moves down no further
        click(tab, "down_bttn");
        QCOMPARE(shown_order(tab).last(), QStringLiteral("CD #"));
        QTest::keyClicks(disc_box(tab), "12");
        click(tab, "excel_getalbums");
        QCOMPARE(result(tab), QStringLiteral("Air\t650,5\nBeck\t512"));
    }

    void order_and_ticks_survive_the_settings_file() {
        SharedState state;
        SpreadsheetTab tab(state);
        show_active(tab);
        tick(tab, {1, 7});
        select_field(tab, 7);
        for (int i = 0; i < 7; ++i)
            click(tab, "up_bttn");
        const SpreadsheetOptions chosen = tab.options();
        QCOMPARE(chosen.order.first(), QStringLiteral("Size"));
        QCOMPARE(chosen.checks, (std::array<CheckState, 8>{1, 0, 1, 0, 0, 0, 0, 0}));

        test::TempFolder folder;
        const PrivateProfile file(settings_path(folder.path()));
        Options options;
        options.spreadsheet = chosen;
        QCOMPARE(save_settings(file, options), 0);
        SharedState later_state;
        SpreadsheetTab later(later_state);
        later.take_options(load_settings(file).spreadsheet);
        QCOMPARE(shown_order(later), chosen.order);
        QCOMPARE(shown_ticks(later),
                 QList<bool>({true, false, true, false, false, false, false, false}));
    }

    void the_disc_box_takes_digits_only_and_shows_its_number_when_left() {
        SharedState state;
        SpreadsheetTab tab(state);
        show_active(tab);
        QLineEdit* disc = disc_box(tab);
        disc->setFocus();
        QTest::keyClicks(disc, "a");
        QCOMPARE(disc->text(), QString());
        QTest::keyClicks(disc, "0x0!7");
        QCOMPARE(disc->text(), QStringLiteral("007"));
        child<QListWidget>(tab, "ex_fields")->setFocus();
        QTRY_COMPARE(disc->text(), QStringLiteral("7"));

        disc->setFocus();
        QTRY_VERIFY(disc->hasFocus());
        QTest::keyClick(disc, Qt::Key_Backspace);
        QCOMPARE(disc->text(), QString());
        child<QListWidget>(tab, "ex_fields")->setFocus();
        QTRY_COMPARE(disc->text(), QStringLiteral("0"));
    }

    void enter_gets_the_albums_of_the_number_shown() {
        Shelf shelf;
        SpreadsheetTab tab(shelf.state);
        show_active(tab);
        tick(tab, {1});
        QLineEdit* disc = disc_box(tab);
        disc->setFocus();
        QTest::keyClicks(disc, "012");
        QTest::keyClick(disc, Qt::Key_Return);
        QCOMPARE(result(tab), QStringLiteral("Moon Safari\nSea Change"));
        QCOMPARE(disc->text(), QStringLiteral("12"));
        QTest::keyClicks(disc, "0");
        QTest::keyClick(disc, Qt::Key_Enter); // the keypad's Enter
        QCOMPARE(result(tab), QStringLiteral("Life for Rent"));
    }

    void copy_is_disabled_for_a_disc_without_albums() {
        Shelf shelf;
        SpreadsheetTab tab(shelf.state);
        show_active(tab);
        tick(tab, {0});
        QTest::keyClicks(disc_box(tab), "13");
        click(tab, "excel_getalbums");
        QCOMPARE(result(tab), QStringLiteral("Cake"));
        QVERIFY(copy_button(tab)->isEnabled());
        QTest::keyClicks(disc_box(tab), "5"); // 135
        click(tab, "excel_getalbums");
        QCOMPARE(result(tab), QString());
        QVERIFY(!copy_button(tab)->isEnabled());
        QGuiApplication::clipboard()->setText("kept");
        click_copy(tab);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));

        // Audio CDs are never listed: the box cannot hold "CDA".
        disc_box(tab)->clear();
        QTest::keyClicks(disc_box(tab), "CDA");
        QCOMPARE(disc_box(tab)->text(), QString());
        click(tab, "excel_getalbums");
        QCOMPARE(result(tab), QString());
    }

    void reads_the_catalogue_as_it_is_at_each_click() {
        Shelf shelf;
        SharedState closed;
        SpreadsheetTab tab(closed);
        show_active(tab);
        tick(tab, {1});
        QTest::keyClicks(disc_box(tab), "12");
        click(tab, "excel_getalbums"); // no catalogue open: nothing to list
        QCOMPARE(result(tab), QString());
        QVERIFY(!copy_button(tab)->isEnabled());

        closed.artists = open_main(shelf.folder.file("Vinylix.vnx"));
        click(tab, "excel_getalbums");
        QCOMPARE(result(tab), QStringLiteral("Moon Safari\nSea Change"));
        add_album(*closed.artists, "Eels", "Beautiful Freak", {}, "1", "12", "300", "1996");
        QVERIFY(load_catalogue(closed, shelf.folder.path()).ok); // a new recordset
        click(tab, "excel_getalbums");
        QCOMPARE(result(tab), QStringLiteral("Moon Safari\nSea Change\nBeautiful Freak"));

        closed.artists.reset(); // an emptied catalogue leaves no stale rows behind
        click(tab, "excel_getalbums");
        QCOMPARE(result(tab), QString());
        QVERIFY(!copy_button(tab)->isEnabled());
    }
};

VINYLIX_TEST(SpreadsheetTabTest)
#include "test_spreadsheet_tab.moc"
