#include "app/mainframe.h"
#include "app/startup.h"
#include "browse/explore_tab.h"
#include "support/albums.h"
#include "support/scripted_prompts.h"
#include "support/test_registry.h"
#include "support/widgets.h"

#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace vinylix;
using vinylix::test::add_album;

namespace {

QStringList panels(const Mainframe& main) {
    QStringList texts;
    for (const char* panel : {"panel1", "panel2", "panel3", "panel4", "panel5", "panel6"})
        texts << test::child<QLabel>(main, panel)->text();
    return texts;
}

// A catalogue of a few albums, the main window open on it.
struct Browsing {
    test::TempFolder folder;
    test::ScriptedPromptsScope prompts;
    std::unique_ptr<Mainframe> main;
    ExploreTab* tab = nullptr;

    // The catalogue `fill` writes; by default a few albums.
    explicit Browsing(const std::function<void(Recordset&)>& fill = {}) {
        auto set = test::open_main(folder.make_catalogue());
        if (fill)
            fill(*set);
        else
            add_few(*set);
        set.reset();
        main = start_program(folder.path());
        tab = test::child<ExploreTab>(*main, "explore_frame");
    }

    QComboBox* artists() const { return test::child<QComboBox>(*tab, "artists_combo"); }
    QListWidget* albums() const { return test::child<QListWidget>(*tab, "albums_list"); }
    QPlainTextEdit* songs() const { return test::child<QPlainTextEdit>(*tab, "Text1"); }
    QString caption() const {
        return test::child<QLabel>(*tab, "songlist_lb")->text().remove(u'&'); // as shown
    }
    // The artist shown and the albums selected: "ABBA|Gold".
    QString selected() const {
        QStringList albums;
        for (const QListWidgetItem* item : this->albums()->selectedItems())
            albums << item->text();
        return artists()->currentText() + u'|' + albums.join(u',');
    }
    QAction* button(const char* name) const { return test::child<QAction>(*tab, name); }
    QAction* command(const char* name) const { return test::child<QAction>(*main, name); }

    void click_album(int row) const {
        QTest::mouseClick(albums()->viewport(), Qt::LeftButton, {},
                          albums()->visualItemRect(albums()->item(row)).center());
    }
    void choose_artist(int index) const {
        artists()->setCurrentIndex(index);
        emit artists()->activated(index);
    }

    static void add_few(Recordset& set) {
        add_album(set, "Abba", "Waterloo", "Waterloo\r\nSitting in the Palmtree", "1", "12",
                  "650.5", "1974");
        add_album(set, "ABBA", "Arrival", "Dancing Queen", "1", "3", "600", "1976");
        add_album(set, "abba", "Gold", "", "1", "4", "500", "1992");
        add_album(set, "Beatles", "White Album",
                  "== CD 1 ==\r\nBack in the U.S.S.R.\r\n\r\n== CD 2 ==\r\nRevolution 1", "2",
                  "CDA", "-", "1968");
        add_album(set, "Beatles", "Anthology", "", "3", "20", "1200", "1995");
        add_album(set, "Cream", "Wheels of Fire", "== CD 1 ==\r\nWhite Room", "2", "9", "700",
                  "1968");
    }
};

} // namespace

class ExploreTabTest : public QObject {
    Q_OBJECT
private slots:
    void an_artists_albums_in_title_order_with_the_first_shown() {
        Browsing b;
        QCOMPARE(b.artists()->itemText(0), QStringLiteral("ABBA"));
        QCOMPARE(test::row_texts(b.albums()->model()),
                 QStringList({"Arrival", "Gold", "Waterloo"}));
        QCOMPARE(b.albums()->currentRow(), 0);
        QCOMPARE(b.tab->shown_songs(), QStringLiteral("Dancing Queen"));
        QCOMPARE(panels(*b.main), QStringList({"CD #3", "Size: 600", "Bitrate: 128", "Year: 1976",
                                               "Cover: No", "# of Cds: 1"}));
        b.click_album(2);
        QCOMPARE(b.tab->shown_songs(), QStringLiteral("Waterloo\r\nSitting in the Palmtree"));
        QCOMPARE(b.main->state().artists->value(u"Album"), QStringLiteral("Waterloo"));
        b.button("copy_songs")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("Waterloo\r\nSitting in the Palmtree"));
        b.click_album(1); // no songs: nothing to copy
        QVERIFY(!b.button("copy_songs")->isEnabled());
    }

    // A CD past the last section of the song list shows an empty list; several CDs but no
    // songs: plain caption.
    void a_two_cd_album_is_stepped_cd_by_cd() {
        Browsing b;
        b.choose_artist(1);
        QCOMPARE(test::row_texts(b.albums()->model()), QStringList({"Anthology", "White Album"}));
        b.click_album(1);
        QCOMPARE(panels(*b.main).mid(0, 3), QStringList({"CD #CDA", "Size: -", "Bitrate: -"}));
        const auto step = [&](const char* button) {
            b.button(button)->trigger();
            return b.caption() + ": " + b.tab->shown_songs();
        };
        QCOMPARE(step("previous_cd_songs"),
                 QStringLiteral("Song List [CD 1/2]: Back in the U.S.S.R."));
        QCOMPARE(step("next_cd_songs"), QStringLiteral("Song List [CD 2/2]: Revolution 1"));
        QCOMPARE(step("next_cd_songs"), QStringLiteral("Song List [CD 2/2]: Revolution 1"));
        QCOMPARE(step("previous_cd_songs"),
                 QStringLiteral("Song List [CD 1/2]: Back in the U.S.S.R."));

        b.click_album(0);
        QCOMPARE(b.caption(), QStringLiteral("Song List"));
        b.choose_artist(2);
        QCOMPARE(step("next_cd_songs"), QStringLiteral("Song List [CD 2/2]: "));
    }

    // Moving through the albums by keyboard shows each album as a click does, and the editor
    // then opens the album shown; a click on the empty part of the list keeps it selected.
    // The artist list answers the keyboard too.
    void keys_show_what_a_click_shows() {
        Browsing b;
        QListWidget* list = b.albums();
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(b.tab->shown_songs(), QString()); // Gold has no songs
        QCOMPARE(panels(*b.main)[0], QStringLiteral("CD #4"));
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(b.tab->shown_songs(), QStringLiteral("Waterloo\r\nSitting in the Palmtree"));
        QCOMPARE(panels(*b.main)[3], QStringLiteral("Year: 1974"));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          QPoint(5, list->viewport()->height() - 3));
        QCOMPARE(b.selected(), QStringLiteral("ABBA|Waterloo"));
        QString opened;
        b.prompts->on_modal = [&](QDialog& editor) {
            opened = editor.findChild<QLineEdit*>("album_name_txt")->text();
        };
        b.command("editsel_mnu")->trigger();
        QCOMPARE(opened, QStringLiteral("Waterloo"));
        b.artists()->setFocus();
        QTest::keyClick(b.artists(), Qt::Key_Down);
        QCOMPARE(test::row_texts(list->model()), QStringList({"Anthology", "White Album"}));
        QCOMPARE(panels(*b.main)[0], QStringLiteral("CD #20"));
    }

    // Each album selected is asked about, and those confirmed leave the catalogue; the album
    // above the last one asked about is then shown. An artist left without albums goes, and the
    // artist above it is shown.
    void deleting_selected_albums_asks_for_each_and_drops_an_emptied_artist() {
        Browsing b;
        b.albums()->item(2)->setSelected(true); // Arrival and Waterloo
        b.prompts->answers = {false, true};
        b.command("del")->trigger();
        QCOMPARE(b.prompts->texts("confirm"),
                 QStringList({"You are about to delete ABBA - Arrival. Continue?",
                              "You are about to delete ABBA - Waterloo. Continue?"}));
        QCOMPARE(test::row_texts(b.albums()->model()), QStringList({"Arrival", "Gold"}));
        QCOMPARE(b.selected(), QStringLiteral("ABBA|Gold"));
        QCOMPARE(test::stored_field(b.folder.file("Vinylix.vnx"), "Abba", "Waterloo", "Album"),
                 QStringLiteral("<none>"));
        b.choose_artist(2); // Cream's only album
        b.command("del_album")->trigger();
        QCOMPARE(test::row_texts(b.artists()->model()), QStringList({"ABBA", "Beatles"}));
        QCOMPARE(b.selected(), QStringLiteral("Beatles|Anthology"));
    }

    // Deleting the last album leaves nothing of it on screen, and the song-list area then says
    // how albums get in; an album added takes the words away, an unreadable catalogue too.
    void the_last_album_deleted_leaves_nothing_shown() {
        Browsing b([](Recordset& set) { add_album(set, "Air", "Moon Safari", "La femme"); });
        b.command("del_album")->trigger();
        QCOMPARE(panels(*b.main), QStringList(6));
        QVERIFY(!b.command("del_album")->isEnabled() && !b.command("addtoartist")->isEnabled());
        QCOMPARE(b.songs()->toPlainText(), QString());
        QCOMPARE(b.caption(), QStringLiteral("Song List"));
        QCOMPARE(b.songs()->placeholderText(), ExploreTab::first_steps_text());

        b.prompts->on_modal = [](QDialog& editor) {
            for (const auto& [box, text] :
                 {std::pair{"artist_txt", "Air"}, std::pair{"album_name_txt", "Talkie Walkie"},
                  std::pair{"bitrate", "192"}, std::pair{"size_1", "80"}})
                editor.findChild<QLineEdit*>(box)->setText(text);
            QTest::keyClicks(editor.findChild<QComboBox*>("album_loc"), "8");
            QTest::keyClick(editor.findChild<QLineEdit*>("size_1"), Qt::Key_Return);
        };
        b.command("newalbum_mnu")->trigger();
        QCOMPARE(test::row_texts(b.albums()->model()), QStringList({"Talkie Walkie"}));
        QVERIFY(b.songs()->placeholderText().isEmpty());
        b.command("del_album")->trigger();
        b.folder.write_file("Vinylix.vnx", "not a catalogue");
        b.main->load_catalogue();
        QVERIFY(b.songs()->placeholderText().isEmpty());
    }
};

VINYLIX_TEST(ExploreTabTest)
#include "test_explore_tab.moc"
