#include "app/mainframe.h"
#include "app/startup.h"
#include "browse/explore_tab.h"
#include "support/albums.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"
#include "support/test_registry.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

using namespace vinylix;
using vinylix::test::add_album;

namespace {

QStringList items(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

QStringList panels(const Mainframe& main) {
    QStringList texts;
    for (int p = 1; p <= 6; ++p)
        texts << main.panel(p)->text();
    return texts;
}

void click_album(ExploreTab& tab, int row) {
    QListWidget* list = tab.albums_list();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

void choose_artist(ExploreTab& tab, int index) {
    tab.artists_combo()->setCurrentIndex(index);
    emit tab.artists_combo()->activated(index);
}

// A catalogue of a few albums, the main window open on it.
struct Browsing {
    test::TempFolder folder;
    test::ScriptedPromptsScope prompts;
    std::unique_ptr<Mainframe> main;
    ExploreTab* tab = nullptr;

    Browsing() {
        auto set = test::open_main(folder.make_catalogue());
        add_album(*set, "Abba", "Waterloo", "Waterloo\r\nSitting in the Palmtree", "1", "12",
                  "650.5", "1974");
        add_album(*set, "ABBA", "Arrival", "Dancing Queen", "1", "3", "600", "1976");
        add_album(*set, "abba", "Gold", "", "1", "4", "500", "1992");
        add_album(*set, "Beatles", "White Album",
                  "== CD 1 ==\r\nBack in the U.S.S.R.\r\n\r\n== CD 2 ==\r\nRevolution 1", "2",
                  "CDA", "-", "1968");
        add_album(*set, "Beatles", "Anthology", "", "3", "20", "1200", "1995");
        add_album(*set, "Cream", "Wheels of Fire", "== CD 1 ==\r\nWhite Room", "2", "9", "700",
                  "1968");
        set.reset();
        main = start_program(folder.path());
        tab = main->explore_tab();
    }
};

} // namespace

class ExploreTabTest : public QObject {
    Q_OBJECT
private slots:
    void an_artists_albums_in_title_order_with_the_first_shown() {
        Browsing b;
        QCOMPARE(b.tab->artists_combo()->itemText(0), QStringLiteral("ABBA"));
        QCOMPARE(items(b.tab->albums_list()), QStringList({"Arrival", "Gold", "Waterloo"}));
        QCOMPARE(b.tab->albums_list()->currentRow(), 0);
        QCOMPARE(b.tab->shown_songs(), QStringLiteral("Dancing Queen"));
        QCOMPARE(b.main->state().artists->value(u"Album"), QStringLiteral("Arrival"));
        QCOMPARE(panels(*b.main), QStringList({"CD #3", "Size: 600", "Bitrate: 128", "Year: 1976",
                                               "Cover: No", "# of Cds: 1"}));
        click_album(*b.tab, 2);
        QCOMPARE(b.tab->shown_songs(), QStringLiteral("Waterloo\r\nSitting in the Palmtree"));
        QCOMPARE(b.main->state().artists->value(u"Album"), QStringLiteral("Waterloo"));
        QVERIFY(b.tab->songlist_button(1)->isEnabled());
        b.tab->songlist_button(1)->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("Waterloo\r\nSitting in the Palmtree"));
        click_album(*b.tab, 1); // no songs: nothing to copy
        QVERIFY(!b.tab->songlist_button(1)->isEnabled());
    }

    void a_two_cd_album_is_stepped_cd_by_cd() {
        Browsing b;
        choose_artist(*b.tab, 1);
        QCOMPARE(items(b.tab->albums_list()), QStringList({"Anthology", "White Album"}));
        click_album(*b.tab, 1);
        QCOMPARE(b.tab->songlist_label()->text(), QStringLiteral("Song List [CD 1/2]"));
        QCOMPARE(b.tab->shown_songs(), QStringLiteral("Back in the U.S.S.R."));
        QCOMPARE(panels(*b.main).mid(0, 3), QStringList({"CD #CDA", "Size: -", "Bitrate: -"}));
        QAction* previous = b.tab->songlist_button(2);
        QAction* next = b.tab->songlist_button(3);
        QVERIFY(previous->isEnabled() && next->isEnabled());
        next->trigger();
        QCOMPARE(b.tab->songlist_label()->text(), QStringLiteral("Song List [CD 2/2]"));
        QCOMPARE(b.tab->shown_songs(), QStringLiteral("Revolution 1"));
        next->trigger(); // past the end: nothing changes
        QCOMPARE(b.tab->current_cd(), 1);
        QCOMPARE(b.tab->shown_songs(), QStringLiteral("Revolution 1"));
        previous->trigger();
        QCOMPARE(b.tab->shown_songs(), QStringLiteral("Back in the U.S.S.R."));
        previous->trigger(); // past the start: nothing changes
        QCOMPARE(b.tab->current_cd(), 0);
        QCOMPARE(b.tab->songlist_label()->text(), QStringLiteral("Song List [CD 1/2]"));

        // Several CDs but no songs: plain caption, every song-list button disabled.
        click_album(*b.tab, 0);
        QCOMPARE(b.tab->songlist_label()->text(), QStringLiteral("Song List"));
        for (int button = 1; button <= 3; ++button)
            QVERIFY(!b.tab->songlist_button(button)->isEnabled());
    }

    void a_missing_cd_section_shows_an_empty_list() {
        Browsing b;
        choose_artist(*b.tab, 2);
        QCOMPARE(b.tab->shown_songs(), QStringLiteral("White Room"));
        b.tab->songlist_button(3)->trigger();
        QCOMPARE(b.tab->songlist_label()->text(), QStringLiteral("Song List [CD 2/2]"));
        QCOMPARE(b.tab->shown_songs(), QString());
    }

    void select_artist_and_album_ignores_the_artists_letter_case_only() {
        Browsing b;
        b.tab->select_artist_and_album("beatles", "White Album");
        QCOMPARE(b.tab->artists_combo()->currentText(), QStringLiteral("Beatles"));
        QCOMPARE(b.tab->albums_list()->selectedItems().size(), 1);
        QCOMPARE(b.tab->albums_list()->selectedItems()[0]->text(), QStringLiteral("White Album"));
        b.tab->select_artist_and_album("ABBA", "gold"); // album titles match exactly
        QCOMPARE(b.tab->artists_combo()->currentText(), QStringLiteral("ABBA"));
        QVERIFY(b.tab->albums_list()->selectedItems().isEmpty());
    }

    void right_click_and_double_click_reach_the_edit_commands() {
        Browsing b;
        QSignalSpy menu(b.tab, &ExploreTab::edit_menu_requested);
        QSignalSpy edit(b.main->menu_command("editsel_mnu"), &QAction::triggered);
        QListWidget* list = b.tab->albums_list();
        const QPoint at = list->visualItemRect(list->item(0)).center();
        QTest::mouseClick(list->viewport(), Qt::RightButton, {}, at);
        QCOMPARE(menu.size(), 1);
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(edit.size(), 1);
    }

    void statistics_leave_the_browser_as_it_was() {
        Browsing b;
        click_album(*b.tab, 2);
        QStringList figures;
        b.prompts->on_modal = [&](QDialog& window) {
            for (const char* box : {"artist_lb", "album_lb", "size_lb", "cds_lb"})
                figures << window.findChild<QLineEdit*>(box)->text();
            QTest::keyClick(&window, Qt::Key_Escape);
            QVERIFY(!window.isVisible());
        };
        b.main->toolbar_button("stats")->trigger();
        QCOMPARE(figures, QStringList({"5", "6", "3650.5 Mb", "21"}));
        QCOMPARE(b.main->state().artists->value(u"Album"), QStringLiteral("Waterloo"));
        QCOMPARE(b.tab->shown_songs(), QStringLiteral("Waterloo\r\nSitting in the Palmtree"));
        QCOMPARE(b.main->panel(1)->text(), QStringLiteral("CD #12"));
    }
};

VINYLIX_TEST(ExploreTabTest)
#include "test_explore_tab.moc"
