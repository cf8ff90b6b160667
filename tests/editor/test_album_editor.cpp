#include "editor_fixture.h"
#include "support/test_registry.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>

using namespace vinylix;
using namespace vinylix::test;

namespace {

void focus(QWidget& window, QWidget* widget) {
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    widget->setFocus();
}

} // namespace

class AlbumEditorTest : public QObject {
    Q_OBJECT
private slots:
    void the_size_splits_into_its_two_boxes() {
        EditorFixture f;
        QStringList shown;
        for (const QString album : {"Arrival", "GOLD", "Waterloo"})
            f.edit("ABBA", album, [&](QDialog& d) {
                shown << box(d, "size_1")->text() + u'|' + box(d, "size_2")->text();
            });
        QCOMPARE(shown, QStringList({"650|5", "650|", "650|25"}));
    }

    void an_edited_album_fills_every_box() {
        EditorFixture f;
        f.edit("ABBA", "Arrival", [&](QDialog& d) {
            QCOMPARE(d.objectName(), QStringLiteral("edit_frm"));
            QCOMPARE(d.windowTitle(), QStringLiteral("Albums Settings"));
            QCOMPARE(box(d, "artist_txt")->text(), QStringLiteral("ABBA"));
            QVERIFY(box(d, "artist_txt")->isReadOnly());
            QVERIFY(box(d, "nrofcds_txt")->isVisible());
            QCOMPARE(box(d, "album_name_txt")->text(), QStringLiteral("Arrival"));
            QCOMPARE(box(d, "year_txt")->text(), QStringLiteral("1976"));
            QCOMPARE(child<QComboBox>(d, "cover")->currentText(), QStringLiteral("No"));
            QCOMPARE(child<QComboBox>(d, "album_loc")->currentText(), QStringLiteral("3"));
            QCOMPARE(box(d, "bitrate")->text(), QStringLiteral("128"));
            QCOMPARE(song_box(d), QStringLiteral("Dancing Queen"));
            QVERIFY(!child<QPushButton>(d, "next_cd")->isVisible());
            QCOMPARE(d.height(), 4470 * d.logicalDpiY() / 1440);
        });
    }

    void an_audio_cd_shows_empty_disabled_bitrate_and_size() {
        EditorFixture f;
        f.edit("Beatles", "White Album", [&](QDialog& d) {
            for (const char* name : {"bitrate", "size_1", "size_2"}) {
                QVERIFY(box(d, name)->text().isEmpty());
                QVERIFY(!box(d, name)->isEnabled());
            }
            // Another shelf disc makes them usable again.
            QLineEdit* location = child<QComboBox>(d, "album_loc")->lineEdit();
            QTest::keyClick(location, Qt::Key_Backspace);
            QVERIFY(location->text().isEmpty());
            QTest::keyClicks(location, "12");
            QCOMPARE(location->text(), QStringLiteral("12"));
            QVERIFY(box(d, "bitrate")->isEnabled() && box(d, "size_1")->isEnabled());
            child<QComboBox>(d, "album_loc")->setCurrentIndex(0);
            QVERIFY(!box(d, "bitrate")->isEnabled());
        });
    }

    void digit_boxes_keep_extra_and_shifted_digits_out() {
        EditorFixture f;
        f.edit("ABBA", "Arrival", [&](QDialog& d) {
            QLineEdit* year = box(d, "year_txt");
            year->end(false);
            QTest::keyClick(year, Qt::Key_5);
            QCOMPARE(year->text(), QStringLiteral("1976"));
            QTest::keyClick(year, Qt::Key_Backspace);
            QTest::keyClick(year, Qt::Key_5);
            QCOMPARE(year->text(), QStringLiteral("1975"));
            QLineEdit* fraction = box(d, "size_2");
            fraction->end(false);
            QTest::keyClick(fraction, Qt::Key_3);
            QCOMPARE(fraction->text(), QStringLiteral("5"));
            QLineEdit* bitrate = box(d, "bitrate");
            bitrate->clear();
            QTest::keyClick(bitrate, Qt::Key_5, Qt::ShiftModifier);
            QTest::keyClick(bitrate, Qt::Key_Percent, Qt::ShiftModifier);
            QTest::keyClicks(bitrate, "x9");
            QCOMPARE(bitrate->text(), QStringLiteral("9"));
        });
    }

    void a_comma_in_the_whole_size_moves_to_the_fraction() {
        EditorFixture f;
        f.edit("ABBA", "GOLD", [&](QDialog& d) {
            QLineEdit* whole = box(d, "size_1");
            focus(d, whole);
            whole->end(false);
            QTest::keyClick(whole, Qt::Key_Comma);
            QCOMPARE(whole->text(), QStringLiteral("650"));
            QCOMPARE(QApplication::focusWidget(), box(d, "size_2"));
        });
    }

    void leaving_a_number_box_drops_leading_zeros() {
        EditorFixture f;
        f.edit("ABBA", "GOLD", [&](QDialog& d) {
            QLineEdit* bitrate = box(d, "bitrate");
            focus(d, bitrate);
            bitrate->setText(QStringLiteral("012"));
            box(d, "year_txt")->setFocus();
            QCOMPARE(bitrate->text(), QStringLiteral("12"));
            bitrate->setFocus();
            bitrate->clear();
            box(d, "year_txt")->setFocus();
            QCOMPARE(bitrate->text(), QString());
        });
    }

    void replace_and_upper_case_change_the_song_list() {
        EditorFixture f;
        f.edit("ABBA", "GOLD", [&](QDialog& d) {
            set_songs(d, "the end of the world\none two\nthree four");
            child<QCheckBox>(d, "Check1")->setChecked(true);
            box(d, "first_txt")->setText("the");
            box(d, "second_txt")->setText("The");
            click(d, "Command1");
            QCOMPARE(song_box(d), QStringLiteral("The end of The world\none two\nthree four"));
            child<QCheckBox>(d, "Check1")->setChecked(false);
            child<QCheckBox>(d, "upper_case")->setChecked(true);
            click(d, "Command1");
            QCOMPARE(song_box(d), QStringLiteral("The End Of The World\none Two\nthree Four"));
        });
    }

    void enter_in_the_folder_box_takes_the_file_names() {
        EditorFixture f;
        QDir(f.folder.path()).mkdir("songs");
        f.folder.write_file("songs/b.mp3", "x");
        f.folder.write_file("songs/a.mp3", "x");
        f.edit("ABBA", "GOLD", [&](QDialog& d) {
            box(d, "directory_txt")->setText(f.folder.file("songs"));
            QTest::keyClick(box(d, "directory_txt"), Qt::Key_Return);
            QCOMPARE(song_box(d), QStringLiteral("a\nb"));
            box(d, "directory_txt")->setText(f.folder.file("none"));
            QTest::keyClick(box(d, "directory_txt"), Qt::Key_Return);
            QCOMPARE(song_box(d), QStringLiteral("a\nb"));
        });
        QVERIFY(f.prompts->texts("confirm").isEmpty()); // Enter there never saves
    }

    void a_two_cd_album_is_stepped_with_the_store_question() {
        EditorFixture f;
        f.edit("Beatles", "White Album", [&](QDialog& d) {
            QCOMPARE(song_box(d), QStringLiteral("a\nb"));
            QCOMPARE(child<QLabel>(d, "cd_nr")->text(), QStringLiteral("CD # 1"));
            QVERIFY(child<QPushButton>(d, "next_cd")->isVisible());
            click(d, "previous_cd"); // on the first CD: nothing, no question
            click(d, "next_cd");
            QCOMPARE(song_box(d), QStringLiteral("c")); // found under "== cd 2 =="
            click(d, "next_cd");
            QVERIFY(f.prompts->texts("confirm").isEmpty());
            set_songs(d, "c2");
            f.prompts->answers = {true};
            click(d, "previous_cd");
            set_songs(d, "a2");
            f.prompts->answers = {false};
            click(d, "next_cd");
            QCOMPARE(song_box(d), QStringLiteral("c2"));
            QCOMPARE(f.prompts->texts("confirm").size(), 2);
            QVERIFY(f.prompts->texts("confirm")[0].startsWith(
                "Current cd's song list has been changed. Do you wish to store changes in "
                "memory?"));
            click(d, "previous_cd");
            QCOMPARE(song_box(d), QStringLiteral("a\nb"));
        });
    }

    void lowering_the_count_below_the_cd_shown_and_clearing_it() {
        EditorFixture f;
        f.edit("Beatles", "Anthology", [&](QDialog& d) {
            click(d, "next_cd");
            click(d, "next_cd");
            QCOMPARE(child<QLabel>(d, "cd_nr")->text(), QStringLiteral("CD # 3"));
            box(d, "nrofcds_txt")->setText("2");
            QCOMPARE(child<QLabel>(d, "cd_nr")->text(), QStringLiteral("CD # 2"));
            QCOMPARE(song_box(d), QStringLiteral("y"));
            QTest::keyClick(box(d, "nrofcds_txt"), Qt::Key_Backspace);
            QCOMPARE(box(d, "nrofcds_txt")->text(), QStringLiteral("1"));
            QCOMPARE(song_box(d), QStringLiteral("x"));
            QVERIFY(!child<QPushButton>(d, "next_cd")->isVisible());
        });
    }

    void escape_closes_without_saving() {
        EditorFixture f;
        f.edit("ABBA", "GOLD", [&](QDialog& d) {
            box(d, "year_txt")->setText("2000");
            QTest::keyClick(box(d, "year_txt"), Qt::Key_Escape);
            QVERIFY(!d.isVisible());
        });
        QCOMPARE(f.stored("ABBA", "GOLD", "Year"), QStringLiteral("1992"));
    }
};

VINYLIX_TEST(AlbumEditorTest)
#include "test_album_editor.moc"
