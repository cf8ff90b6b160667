#include "app/mainframe.h"
#include "app/startup.h"
#include "browse/explore_tab.h"
#include "support/albums.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"
#include "support/test_registry.h"
#include "support/widgets.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace vinylix;
using namespace vinylix::test;
using namespace Qt::StringLiterals;

namespace {

// A small catalogue with the main window open on it, and scripted prompts.
struct EditorFixture {
    TempFolder folder;
    ScriptedPromptsScope prompts;
    std::unique_ptr<Mainframe> main;

    EditorFixture() {
        auto set = open_main(folder.make_catalogue());
        add_album(*set, "ABBA", "Arrival", "Dancing Queen", "1", "3", "650.5", "1976");
        add_album(*set, "ABBA", "GOLD", "", "1", "4", "650", "1992");
        add_album(*set, "ABBA", "Waterloo", "", "1", "5", "650.25", "1974");
        add_album(*set, "Beatles", "White Album", "== CD 1 ==\r\na\r\nb\r\n\r\n== cd 2 ==\r\nc",
                  "2", "CDA", "-", "1968");
        add_album(*set, "Zappa", "Hot Rats", "Peaches", "1", "7", "700", "1969");
        set.reset();
        main = start_program(folder.path());
    }

    ExploreTab& browser() const { return *test::child<ExploreTab>(*main, "explore_frame"); }
    QAction* command(const char* name) const { return test::child<QAction>(*main, name); }

    // Opens the editor on an album with `drive` running while it is open.
    void edit(const QString& artist, const QString& album,
              const std::function<void(QDialog&)>& drive) {
        browser().select_artist_and_album(artist, album);
        run("editsel_mnu", drive);
    }

    void run(const char* name, const std::function<void(QDialog&)>& drive) {
        prompts->on_modal = drive;
        command(name)->trigger();
        prompts->on_modal = nullptr;
    }

    QString stored(const QString& artist, const QString& album, const QString& field) const {
        return stored_field(folder.file(u"Vinylix.vnx"_s), artist, album, field);
    }
};

QLineEdit* box(QWidget& window, const char* name) {
    return child<QLineEdit>(window, name);
}

void click(QWidget& window, const char* name) {
    child<QPushButton>(window, name)->click();
}

QString song_box(QWidget& window) {
    return child<QPlainTextEdit>(window, "song_list_txt")->toPlainText();
}

void set_songs(QWidget& window, const QString& text) {
    child<QPlainTextEdit>(window, "song_list_txt")->setPlainText(text);
}

void fill_new_album(QDialog& d, const QString& album) {
    for (const auto& [name, text] : {std::pair{"artist_txt", "abba"},
                                     {"bitrate", "192"},
                                     {"size_1", "650"},
                                     {"size_2", "2"},
                                     {"year_txt", "1992"}})
        QTest::keyClicks(box(d, name), text);
    QTest::keyClicks(box(d, "album_name_txt"), album);
    QTest::keyClicks(child<QComboBox>(d, "album_loc"), "9");
    set_songs(d, "one\ntwo");
}

void select_albums(ExploreTab& browser, const QString& artist, const QStringList& titles) {
    browser.select_artist_and_album(artist, titles.first());
    QListWidget* list = test::child<QListWidget>(browser, "albums_list");
    for (int i = 0; i < list->count(); ++i)
        list->item(i)->setSelected(titles.contains(list->item(i)->text()));
}

} // namespace

class AlbumEditorTest : public QObject {
    Q_OBJECT
private slots:
    // The boxes show the album; number boxes keep other keys out, and leaving a box drops
    // leading zeros but leaves an empty box empty. The text tools and the folder box rewrite
    // the song list; Enter in the folder box saves nothing.
    void an_edited_album_fills_the_boxes_and_its_tools_change_them() {
        EditorFixture f;
        f.folder.write_file(u"a side.mp3"_s, "x");
        f.edit("ABBA", "Arrival", [&](QDialog& d) {
            QStringList texts{child<QComboBox>(d, "cover")->currentText(),
                              child<QComboBox>(d, "album_loc")->currentText(), song_box(d)};
            for (const char* name :
                 {"artist_txt", "album_name_txt", "year_txt", "bitrate", "size_1", "size_2"})
                texts << box(d, name)->text();
            QCOMPARE(texts, QStringList({"No", "3", "Dancing Queen", "ABBA", "Arrival", "1976",
                                         "128", "650", "5"}));
            QLineEdit* year = box(d, "year_txt");
            QLineEdit* bitrate = box(d, "bitrate");
            year->end(false);
            QTest::keyClick(year, Qt::Key_5); // full at four digits
            bitrate->clear();
            QTest::keyClick(bitrate, Qt::Key_5, Qt::ShiftModifier);
            QTest::keyClicks(bitrate, "x9");
            texts = {year->text(), bitrate->text()};
            QApplication::setActiveWindow(&d);
            for (const QString typed : {"012", ""}) {
                bitrate->setFocus();
                bitrate->setText(typed);
                year->setFocus();
                texts << bitrate->text();
            }
            set_songs(d, "the end");
            child<QCheckBox>(d, "upper_case")->setChecked(true);
            click(d, "Command1");
            texts << song_box(d);
            box(d, "directory_txt")->setText(f.folder.path());
            QTest::keyClick(box(d, "directory_txt"), Qt::Key_Return);
            QCOMPARE(texts << song_box(d),
                     QStringList({"1976", "9", "12", "", "the End", "a side"}));
        });
        QVERIFY(f.prompts->texts("confirm").isEmpty());
    }

    // Previous and Next ask whether to keep a changed list, not on the first or last CD; a
    // cleared count reads 1 and shows CD 1.
    void cds_are_stepped_with_the_store_question_and_a_cleared_count_reads_one() {
        EditorFixture f;
        f.edit("Beatles", "White Album", [&](QDialog& d) {
            click(d, "previous_cd");
            click(d, "next_cd");
            QStringList seen{song_box(d)}; // found under "== cd 2 =="
            click(d, "next_cd");
            set_songs(d, "c2");
            f.prompts->answers = {true};
            click(d, "previous_cd");
            seen << song_box(d);
            set_songs(d, "a2");
            f.prompts->answers = {false};
            click(d, "next_cd");
            seen << song_box(d);
            QTest::keyClick(box(d, "nrofcds_txt"), Qt::Key_Backspace);
            seen << box(d, "nrofcds_txt")->text() << song_box(d);
            QCOMPARE(seen, QStringList({"c", "a\nb", "c2", "1", "a\nb"}));
        });
        QCOMPARE(f.prompts->texts("confirm"),
                 QStringList(2,
                             u"Current cd's song list has been changed. Do you wish to store "
                             "changes in memory?\nAll changes will be lost if you don't save."_s));
    }

    void a_new_album_needs_every_box_a_new_title_and_the_confirmation() {
        EditorFixture f;
        f.run("newalbum_mnu", [&](QDialog& d) {
            fill_new_album(d, "Gold");
            click(d, "ok_bttn"); // ABBA has "GOLD"
            QCOMPARE(f.prompts->texts("notice"),
                     QStringList({"An album with the same name already exists in the current "
                                  "artist.\nPlease choose a different name for the album or edit "
                                  "the existing one."}));
            box(d, "album_name_txt")->setText("Voyage");
            f.prompts->answers = {false};
            click(d, "ok_bttn");
            QCOMPARE(f.stored("abba", "Voyage", "Album"), u"<none>"_s);
            QTest::keyClick(box(d, "year_txt"), Qt::Key_Return);
        });
        QCOMPARE(f.prompts->texts("confirm"),
                 QStringList(3, u"You are about to save the changes you have made. Continue?"_s));
        QCOMPARE(
            QStringList({f.stored("abba", "Voyage", "Songs"), f.stored("abba", "Voyage", "Size"),
                         f.stored("abba", "Voyage", "Cds")}),
            QStringList({"one\r\ntwo", "650.2", "1"}));
        QCOMPARE(browsed(*f.main), u"ABBA|Voyage"_s);
        // To the current artist: the browsed one even when the shared recordset was moved; the
        // duplicate search runs to the catalogue's end, and ABBA's "GOLD" is none for Zappa.
        f.browser().select_artist_and_album("Zappa", "Hot Rats");
        f.main->state().artists->move_first(); // as a search might leave it
        f.run("albumtocurrent_mnu", [&](QDialog& d) {
            QCOMPARE(box(d, "artist_txt")->text(), u"Zappa"_s);
            fill_new_album(d, "hot rats");
            click(d, "ok_bttn");
            QVERIFY(d.isVisible());
            box(d, "album_name_txt")->setText("Gold");
            click(d, "ok_bttn");
        });
        QCOMPARE(browsed(*f.main), u"Zappa|Gold"_s);
    }

    void renaming_moves_the_selected_albums_but_a_clash() {
        EditorFixture f;
        add_album(*open_main(f.folder.file("Vinylix.vnx")), "Cream", "Arrival");
        f.main->load_catalogue();
        select_albums(f.browser(), "ABBA", {"GOLD", "Arrival", "Waterloo"});
        f.run("editartist_name", [&](QDialog& d) {
            QLineEdit* artist = box(d, "artist_txt");
            artist->clear();
            QTest::keyClick(artist, Qt::Key_Return); // an empty name is refused
            QVERIFY(d.isVisible());
            QTest::keyClicks(artist, "cream");
            QTest::keyClick(artist, Qt::Key_Return);
        });
        QCOMPARE(f.prompts->texts("notice"),
                 QStringList({"Please fill in all text boxes.",
                              "The artist [ cream ] already has one album labeled [ Arrival ].\n"
                              "Unable to proceed with transfer."}));
        QCOMPARE(browsed(*f.main), u"Cream|GOLD"_s);
        QCOMPARE(f.stored("cream", "Waterloo", "Year"), u"1974"_s);
        // A change of letter case alone is no clash with the artist's own albums.
        select_albums(f.browser(), "ABBA", {"Arrival"});
        f.run("editartist_name", [&](QDialog& d) {
            box(d, "artist_txt")->setText("abba");
            QTest::keyClick(box(d, "artist_txt"), Qt::Key_Return);
        });
        QCOMPARE(f.stored("abba", "Arrival", "Year"), u"1976"_s);
    }

    void delete_all_asks_twice() {
        EditorFixture f;
        f.prompts->answers = {true, false};
        f.command("del_all_mnu")->trigger();
        QCOMPARE(f.prompts->texts("confirm"),
                 QStringList({"You are about to delete all records from database. Continue?",
                              "If you continue, all information previously saved will be lost. "
                              "Continue?"}));
        QCOMPARE(f.main->state().artists->record_count(), 5);
        f.command("delall")->trigger();
        QCOMPARE(open_main(f.folder.file("Vinylix.vnx"))->record_count(), 0);
    }

    // "CDA" takes no digit: keys other than Backspace and Delete change nothing on it, and
    // those empty it; chosen from the list, it must first be typed over with a digit. Leaving
    // the box writes its whole number. So what is stored is digits or "CDA".
    void the_location_box_holds_digits_or_cda() {
        EditorFixture f;
        QStringList seen;
        f.edit("Beatles", "White Album", [&](QDialog& d) {
            QApplication::setActiveWindow(&d);
            // Keys reach the box itself: its text line has the box as focus proxy.
            auto* location = child<QComboBox>(d, "album_loc");
            location->setFocus();
            QLineEdit* bitrate = child<QLineEdit>(d, "bitrate");
            QTest::keyClicks(location, "7x");
            QGuiApplication::clipboard()->setText("CD33");
            QTest::keyClick(location, Qt::Key_V, Qt::ControlModifier);
            seen << location->currentText();
            QTest::keyClick(location, Qt::Key_Backspace);
            seen << location->currentText() + (bitrate->isEnabled() ? "|enabled" : "|disabled");
            QTest::keyClicks(location, "0x33");
            QTest::keyClick(location, Qt::Key_Tab);
            seen << location->currentText();
            location->setFocus();
            QTest::keyClick(location, Qt::Key_Down); // chooses "CDA" from the list
            seen << location->currentText() + (bitrate->isEnabled() ? "|enabled" : "|disabled");
            QTest::keyClick(location, Qt::Key_Backspace); // chosen: kept
            QTest::keyClick(location, Qt::Key_5);         // typed over: no longer chosen
            seen << location->currentText();
            QTest::keyClick(location, Qt::Key_Delete);
            QTest::keyClicks(location, "12");
            seen << location->currentText();
            QTest::keyClicks(bitrate, "192");
            QTest::keyClicks(child<QLineEdit>(d, "size_1"), "650");
            QTest::keyClick(location, Qt::Key_Return);
        });
        QCOMPARE(seen, QStringList({"CDA", "|enabled", "33", "CDA|disabled", "CDA", "12"}));
        QCOMPARE(f.stored("Beatles", "White Album", "CD"), u"12"_s);
    }
};

VINYLIX_TEST(AlbumEditorTest)
#include "test_album_editor.moc"
