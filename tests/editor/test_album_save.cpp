#include "editor_fixture.h"
#include "support/test_registry.h"

#include <QApplication>

using namespace vinylix;
using namespace vinylix::test;

namespace {

void fill_new_album(QDialog& d, const QString& album) {
    QTest::keyClicks(box(d, "artist_txt"), "abba");
    QTest::keyClicks(box(d, "album_name_txt"), album);
    QTest::keyClicks(child<QComboBox>(d, "album_loc")->lineEdit(), "9");
    QTest::keyClicks(box(d, "bitrate"), "192");
    QTest::keyClicks(box(d, "size_1"), "650");
    QTest::keyClicks(box(d, "size_2"), "2");
    QTest::keyClicks(box(d, "year_txt"), "1992");
    set_songs(d, "one\ntwo");
}

const QString duplicate_text =
    QStringLiteral("An album with the same name already exists in the current artist.\n");

} // namespace

class AlbumSaveTest : public QObject {
    Q_OBJECT
private slots:
    void a_new_album_is_saved_and_shown() {
        EditorFixture f;
        f.run("newalbum_mnu", [&](QDialog& d) {
            QVERIFY(!box(d, "nrofcds_txt")->isVisible());
            fill_new_album(d, "Voyage");
            QTest::keyClick(box(d, "year_txt"), Qt::Key_Return);
            QVERIFY(!d.isVisible());
        });
        QCOMPARE(f.prompts->texts("confirm"),
                 QStringList({"You are about to save the changes you have made. Continue?"}));
        QCOMPARE(f.stored("abba", "Voyage", "Songs"), QStringLiteral("one\r\ntwo"));
        QCOMPARE(f.stored("abba", "Voyage", "Size"), QStringLiteral("650.2"));
        QCOMPARE(f.stored("abba", "Voyage", "Cover"), QStringLiteral("No"));
        QCOMPARE(f.stored("abba", "Voyage", "Cds"), QStringLiteral("1"));
        QCOMPARE(f.browser().artists_combo()->currentText(), QStringLiteral("ABBA"));
        QCOMPARE(f.selected_album(), QStringLiteral("Voyage"));
    }

    void cancel_at_the_confirmation_writes_nothing() {
        EditorFixture f;
        f.run("newalbum_mnu", [&](QDialog& d) {
            fill_new_album(d, "Voyage");
            f.prompts->answers = {false};
            click(d, "ok_bttn");
            QVERIFY(d.isVisible());
        });
        QCOMPARE(f.stored("abba", "Voyage", "Album"), QStringLiteral("<none>"));
    }

    void a_duplicate_in_other_letter_case_is_refused() {
        EditorFixture f;
        f.run("newalbum_mnu", [&](QDialog& d) {
            fill_new_album(d, "Gold");
            QApplication::setActiveWindow(&d);
            click(d, "ok_bttn");
            QVERIFY(d.isVisible());
            QCOMPARE(f.prompts->shown.last().title, QStringLiteral("Vinylix"));
            QCOMPARE(f.prompts->shown.last().text,
                     duplicate_text + "Please choose a different name for the album or edit the "
                                      "existing one.");
            QCOMPARE(box(d, "album_name_txt")->selectedText(), QStringLiteral("Gold"));
            // The same title under another artist is accepted.
            box(d, "artist_txt")->setText("Cream");
            click(d, "ok_bttn");
            QVERIFY(!d.isVisible());
        });
        QCOMPARE(f.stored("Cream", "Gold", "CD"), QStringLiteral("9"));
    }

    void an_mp3_album_needs_every_box_and_an_artist() {
        EditorFixture f;
        f.run("newalbum_mnu", [&](QDialog& d) {
            fill_new_album(d, "Voyage");
            box(d, "artist_txt")->clear();
            click(d, "ok_bttn");
            box(d, "artist_txt")->setText("abba");
            box(d, "bitrate")->clear();
            click(d, "ok_bttn");
            QVERIFY(d.isVisible());
        });
        QCOMPARE(f.prompts->texts("notice"),
                 QStringList({"Please fill in all text boxes.", "Please fill in all text boxes."}));
        QCOMPARE(f.stored("abba", "Voyage", "Album"), QStringLiteral("<none>"));
    }

    void an_audio_cd_needs_no_bitrate_or_size() {
        EditorFixture f;
        f.run("newalbum_mnu", [&](QDialog& d) {
            QTest::keyClicks(box(d, "artist_txt"), "Cream");
            QTest::keyClicks(box(d, "album_name_txt"), "Fresh Cream");
            child<QComboBox>(d, "album_loc")->setCurrentIndex(0);
            child<QComboBox>(d, "cover")->setCurrentIndex(1);
            click(d, "ok_bttn");
        });
        QCOMPARE(f.stored("Cream", "Fresh Cream", "Kbps"), QStringLiteral("-"));
        QCOMPARE(f.stored("Cream", "Fresh Cream", "Size"), QStringLiteral("-"));
        QCOMPARE(f.stored("Cream", "Fresh Cream", "Cover"), QStringLiteral("Yes"));
    }

    void a_new_album_of_the_artist_sorting_last() {
        EditorFixture f;
        f.browser().select_artist_and_album("Zappa", "Hot Rats");
        f.run("albumtocurrent_mnu", [&](QDialog& d) {
            QCOMPARE(box(d, "artist_txt")->text(), QStringLiteral("Zappa"));
            QVERIFY(box(d, "artist_txt")->isReadOnly());
            QVERIFY(song_box(d).isEmpty());
            fill_new_album(d, "Uncle Meat");
            click(d, "ok_bttn");
            QVERIFY(!d.isVisible());
        });
        QCOMPARE(f.stored("Zappa", "Uncle Meat", "Year"), QStringLiteral("1992"));
        QCOMPARE(f.albums_listed(), QStringList({"Hot Rats", "Uncle Meat"}));
    }

    void editing_keeps_its_own_title_and_refuses_another() {
        EditorFixture f;
        f.edit("ABBA", "GOLD", [&](QDialog& d) {
            box(d, "album_name_txt")->setText("Waterloo");
            click(d, "ok_bttn");
            QVERIFY(d.isVisible());
            QCOMPARE(f.prompts->shown.last().text,
                     duplicate_text + "Please choose a different name for the album or delete "
                                      "the existing one.");
            box(d, "album_name_txt")->setText("Gold");
            box(d, "year_txt")->setText("1993");
            click(d, "ok_bttn");
            QVERIFY(!d.isVisible());
        });
        QCOMPARE(f.stored("ABBA", "Gold", "Year"), QStringLiteral("1993"));
        QCOMPARE(f.albums_listed(), QStringList({"Arrival", "Gold", "Waterloo"}));
        QCOMPARE(f.selected_album(), QStringLiteral("Gold"));
    }

    void three_cds_are_stored_in_sections() {
        EditorFixture f;
        f.edit("ABBA", "GOLD", [&](QDialog& d) {
            set_songs(d, "x");
            box(d, "nrofcds_txt")->setText("3");
            QCOMPARE(song_box(d), QStringLiteral("x"));
            click(d, "next_cd");
            set_songs(d, "y");
            click(d, "next_cd"); // answered OK: kept
            set_songs(d, "z");
            click(d, "ok_bttn"); // the CD shown is kept without asking
        });
        QCOMPARE(f.stored("ABBA", "GOLD", "Songs"),
                 QStringLiteral("== CD 1 ==\r\nx\r\n\r\n== CD 2 ==\r\ny\r\n\r\n== CD 3 ==\r\nz"));
        QCOMPARE(f.stored("ABBA", "GOLD", "Cds"), QStringLiteral("3"));
    }

    void a_lowered_count_stores_only_its_cds() {
        EditorFixture f;
        f.edit("Beatles", "Anthology", [&](QDialog& d) {
            box(d, "nrofcds_txt")->setText("2");
            click(d, "ok_bttn");
        });
        QCOMPARE(f.stored("Beatles", "Anthology", "Songs"),
                 QStringLiteral("== CD 1 ==\r\nx\r\n\r\n== CD 2 ==\r\ny"));
    }

    void an_audio_cd_edited_to_a_shelf_disc_keeps_its_songs() {
        EditorFixture f;
        f.edit("Beatles", "White Album", [&](QDialog& d) {
            QLineEdit* location = child<QComboBox>(d, "album_loc")->lineEdit();
            QTest::keyClick(location, Qt::Key_Delete);
            QTest::keyClicks(location, "8");
            QTest::keyClicks(box(d, "bitrate"), "256");
            QTest::keyClicks(box(d, "size_1"), "1400");
            QTest::keyClick(box(d, "size_1"), Qt::Key_Enter);
        });
        QCOMPARE(f.stored("Beatles", "White Album", "Size"), QStringLiteral("1400"));
        QCOMPARE(f.stored("Beatles", "White Album", "Songs"),
                 QStringLiteral("== CD 1 ==\r\na\r\nb\r\n\r\n== CD 2 ==\r\nc"));
    }
};

VINYLIX_TEST(AlbumSaveTest)
#include "test_album_save.moc"
