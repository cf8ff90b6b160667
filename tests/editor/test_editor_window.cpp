// The album editor as a user meets it: an unchanged OK over albums stored in every layout, the
// shelf-location box, Tab out of the song list, names from a folder, captions in full.
#include "app/mainframe.h"
#include "app/startup.h"
#include "browse/explore_tab.h"
#include "hostile_albums.h"
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
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

using namespace vinylix;
using namespace vinylix::test;
using namespace Qt::StringLiterals;

namespace {

// Every row of the catalogue file as its bytes: the type and hex of each field.
QStringList stored_bytes(const QString& path) {
    SQLite::Database db(path.toStdString(), SQLite::OPEN_READONLY);
    SQLite::Statement rows(db, "SELECT rowid, typeof(Artist)||hex(Artist), typeof(Album)||"
                               "hex(Album), typeof(Songs)||hex(Songs), typeof(Cover)||hex(Cover),"
                               " typeof(Cds)||hex(Cds), typeof(Kbps)||hex(Kbps), typeof(CD)||"
                               "hex(CD), typeof(Size)||hex(Size), typeof(Year)||hex(Year) FROM "
                               "vinylix ORDER BY rowid");
    QStringList all;
    while (rows.executeStep()) {
        QStringList fields;
        for (int c = 0; c < rows.getColumnCount(); ++c)
            fields << QString::fromStdString(rows.getColumn(c).getString());
        all << fields.join(u' ');
    }
    return all;
}

// A catalogue holding `albums`, and rows a program of another making may leave: bytes that
// are no UTF-8, and fields that are NULL. The main window is open on it.
struct Fixture {
    TempFolder folder;
    ScriptedPromptsScope prompts;
    std::unique_ptr<Mainframe> main;

    explicit Fixture(const std::vector<AlbumRecord>& albums) {
        const QString path = folder.make_catalogue();
        {
            auto set = open_main(path);
            for (const AlbumRecord& album : albums) {
                set->add_new();
                for (int f = 0; f < field_count; ++f)
                    set->set_value(field_names()[std::size_t(f)], album.fields[std::size_t(f)]);
                QString error;
                QVERIFY2(set->update(&error), qPrintable(error));
            }
        }
        SQLite::Database db(path.toStdString(), SQLite::OPEN_READWRITE);
        db.exec("INSERT INTO vinylix VALUES('Bytes','No UTF-8',CAST(X'610D0AFF62' AS TEXT),"
                "CAST(X'59E973' AS TEXT),'1','128','4','650',NULL)");
        db.exec("INSERT INTO vinylix VALUES('Bytes','Nulls',NULL,NULL,NULL,'128','4','650',"
                "NULL)");
        main = start_program(folder.path());
    }

    QString path() const { return folder.file(u"Vinylix.vnx"_s); }

    ExploreTab& browser() const { return *test::child<ExploreTab>(*main, "explore_frame"); }

    void edit(const QString& artist, const QString& album,
              const std::function<void(QDialog&)>& drive) {
        browser().select_artist_and_album(artist, album);
        prompts->on_modal = drive;
        test::child<QAction>(*main, "editsel_mnu")->trigger();
        prompts->on_modal = nullptr;
    }
};

// An audio CD of two CDs.
std::vector<AlbumRecord> cd_albums() {
    AlbumRecord white;
    white.fields = {"Beatles", "White Album", "== CD 1 ==\r\na\r\nb\r\n\r\n== CD 2 ==\r\nc",
                    "Yes",     "2",           "-",
                    "CDA",     "-",           "1968"};
    return {white};
}

// Presses OK by keyboard, as a user who opened the album and changed nothing.
void press_ok(QDialog& d) {
    QApplication::setActiveWindow(&d);
    child<QPushButton>(d, "ok_bttn")->setFocus();
    QTest::keyClick(child<QPushButton>(d, "ok_bttn"), Qt::Key_Space);
    if (d.isVisible()) // refused: a box the save needs is empty
        QTest::keyClick(&d, Qt::Key_Escape);
}

} // namespace

class EditorWindowTest : public QObject {
    Q_OBJECT
private slots:
    // Opening each album and pressing OK without touching anything leaves every byte of the
    // catalogue file as it was, whatever layout, text or bytes an album was stored with.
    void an_unchanged_ok_leaves_the_file_byte_for_byte() {
        const std::vector<AlbumRecord> albums = hostile_albums();
        Fixture f(albums);
        const QStringList before = stored_bytes(f.path());
        for (const AlbumRecord& album : albums)
            f.edit(album[Field::Artist], album[Field::Album], press_ok);
        f.edit("Bytes", "No UTF-8", press_ok);
        f.edit("Bytes", "Nulls", press_ok);
        QCOMPARE(f.prompts->texts("modal").size(), int(albums.size()) + 2);
        QCOMPARE(stored_bytes(f.path()), before);
        // What the browser showed of the LF album is what the editor shows.
        f.edit(albums[0][Field::Artist], albums[0][Field::Album], [](QDialog& d) {
            QCOMPARE(child<QPlainTextEdit>(d, "song_list_txt")->toPlainText(), u"a"_s);
            child<QPushButton>(d, "next_cd")->click();
            QCOMPARE(child<QPlainTextEdit>(d, "song_list_txt")->toPlainText(), u"b"_s);
        });
    }

    // Editing the year of the album with bytes that are no UTF-8 rewrites the year alone.
    void an_edit_rewrites_only_the_field_changed() {
        Fixture f({});
        const QStringList before = stored_bytes(f.path());
        f.edit("Bytes", "No UTF-8", [](QDialog& d) {
            QLineEdit* year = child<QLineEdit>(d, "year_txt");
            QTest::keyClicks(year, "1999");
            QTest::keyClick(year, Qt::Key_Return);
        });
        const QStringList after = stored_bytes(f.path());
        QCOMPARE(after[0].section(u' ', 0, 8), before[0].section(u' ', 0, 8));
        QCOMPARE(after[0].section(u' ', 9), u"text31393939"_s);
    }

    // "CDA" takes no digit: keys other than Backspace and Delete change nothing on it, and
    // those empty it; chosen from the list, it must first be typed over with a digit. Leaving
    // the box writes its whole number. So what is stored is digits or "CDA".
    void the_location_box_holds_digits_or_cda() {
        Fixture f(cd_albums());
        QStringList seen;
        f.edit("Beatles", "White Album", [&](QDialog& d) {
            QApplication::setActiveWindow(&d);
            // Keys reach the box itself: its text line has the box as focus proxy.
            auto* location = child<QComboBox>(d, "album_loc");
            location->setFocus();
            QLineEdit* bitrate = child<QLineEdit>(d, "bitrate");
            QTest::keyClick(location, Qt::Key_7);
            QTest::keyClick(location, Qt::Key_Home);
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
        QCOMPARE(stored_field(f.path(), "Beatles", "White Album", u"CD"_s), u"12"_s);
    }

    // Tab leaves the song list for the boxes after it, and types nothing into it.
    void tab_leaves_the_song_list() {
        Fixture f(cd_albums());
        f.edit("Beatles", "White Album", [&](QDialog& d) {
            QApplication::setActiveWindow(&d);
            auto* songs = child<QPlainTextEdit>(d, "song_list_txt");
            songs->setFocus();
            QTest::keyClick(songs, Qt::Key_Tab);
            QVERIFY(QApplication::focusWidget() != songs);
            QCOMPARE(songs->toPlainText(), u"a\nb"_s);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        });
    }

    // Enter in the folder box lists the folder's MP3 files, in any letter case, as songs;
    // pictures, playlists and sub-folders are left out.
    void names_from_a_folder_are_its_songs_only() {
        Fixture f(cd_albums());
        QDir(f.folder.path()).mkpath("cd/d.mp3");
        for (const char* name : {"cover.jpg", "album.m3u", "B Side.MP3", "a side.mp3"})
            f.folder.write_file(QStringLiteral("cd/") + name, "x");
        f.edit("Beatles", "White Album", [&](QDialog& d) {
            QLineEdit* folder = child<QLineEdit>(d, "directory_txt");
            QTest::keyClicks(folder, f.folder.file("cd"));
            QTest::keyClick(folder, Qt::Key_Return);
            QCOMPARE(child<QPlainTextEdit>(d, "song_list_txt")->toPlainText(), u"a side\nB Side"_s);
            QVERIFY(d.isVisible()); // Enter here never saves
            QTest::keyClick(folder, Qt::Key_Escape);
        });
    }

    // The text tool's "Upper Case" caption is shown whole beside its OK button.
    void the_upper_case_caption_is_not_clipped() {
        Fixture f(cd_albums());
        f.edit("Beatles", "White Album", [&](QDialog& d) {
            const auto* upper = child<QCheckBox>(d, "upper_case");
            QVERIFY(upper->width() >= upper->sizeHint().width());
            QVERIFY(upper->geometry().right() < child<QPushButton>(d, "Command1")->x());
            QVERIFY(upper->x() > child<QLineEdit>(d, "second_txt")->geometry().right());
        });
    }
};

VINYLIX_TEST(EditorWindowTest)
#include "test_editor_window.moc"
