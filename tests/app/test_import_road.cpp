// The road of one import through the main window: format, folder chooser, detection, review,
// Apply, Add to Database, a tab click, and the browser listing the new album.
#include "app/mainframe.h"
#include "app/startup.h"
#include "browse/explore_tab.h"
#include "import/set_directory.h"
#include "settings/settings_file.h"
#include "support/album_tree.h"
#include "support/albums.h"
#include "support/scripted_prompts.h"
#include "support/test_registry.h"
#include "support/widgets.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace vinylix;
using vinylix::test::child;

namespace {

// Opens the folders under `music` with the format "%1 - %2" for review, song names from tags.
void import_folder(Mainframe& main, test::ScriptedPrompts& prompts, const QString& music) {
    test::click_tab(*child<QTabWidget>(main, "tabulador"), 3);
    child<QLineEdit>(main, "foldername_txt")->setText("%1 - %2");
    prompts.on_modal = [music](QDialog& dialog) {
        dynamic_cast<SetDirectory&>(dialog).set_folder(music);
        QTest::mouseClick(dialog.findChild<QPushButton*>("ok_bttn"), Qt::LeftButton);
    };
    QTest::mouseClick(child<QPushButton>(main, "import_bttn"), Qt::LeftButton);
    child<QAction>(main, "extract_mode3")->trigger();
}

} // namespace

class ImportRoadTest : public QObject {
    Q_OBJECT

private slots:
    void an_imported_album_reaches_the_browser() {
        test::TempFolder folder;
        test::add_album(*test::open_main(folder.make_catalogue()), "Abba", "Arrival");
        const QString music = folder.file("music");
        test::write_file(music + "/Metallica - Black Album/01 - Enter Sandman.mp3",
                         test::mp3_file("Enter Sandman"));
        test::write_file(music + "/Metallica - Black Album/02 - Sad but True.mp3",
                         test::mp3_file("Sad But True", "1991"));
        test::ScriptedPromptsScope prompts;
        auto main = start_program(folder.path());
        import_folder(*main, *prompts, music);
        auto* albums = child<QListWidget>(*main, "retrieved_albums");
        QCOMPARE(albums->count(), 1);
        QTest::keyClicks(child<QLineEdit>(*main, "cdnr_txt"), "12");
        QTest::mouseClick(child<QPushButton>(*main, "apply_bttn"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(*main, "addtodb_bttn"), Qt::LeftButton);
        QCOMPARE(albums->count(), 0);
        QVERIFY(prompts->texts("notice").isEmpty());

        // The next tab click reloads the catalogue, and the browser lists the album.
        test::click_tab(*child<QTabWidget>(*main, "tabulador"), 0);
        QComboBox* artists = child<QComboBox>(*main, "artists_combo");
        const int metallica = artists->findText("Metallica");
        artists->setCurrentIndex(metallica);
        emit artists->activated(metallica); // as a choice by mouse or keyboard
        QCOMPARE(test::browsed(*main), QStringLiteral("Metallica|Black Album"));
        QCOMPARE(child<ExploreTab>(*main, "explore_frame")->shown_songs(),
                 QStringLiteral("Enter Sandman\r\nSad But True"));

        // The folder is an option kept for the next start.
        main->close();
        QCOMPARE(SettingsFile(folder.file("vinylix.ini")).options().importing.path, music);
    }

    // Tags written on a Cyrillic system ("Группа крови", "Война" in Windows-1251) read as
    // Windows-1252 until the settings window switches the tag code page; the next import and
    // the tag editor opened next read them right.
    void tags_in_windows_1251_read_right_after_the_switch() {
        test::TempFolder folder;
        folder.make_catalogue();
        const QString music = folder.file("music");
        const QString first = music + "/Kino - Gruppa krovi/01.mp3";
        test::write_file(
            first, test::mpeg_audio() +
                       test::raw_id3v1_tag("\xC3\xF0\xF3\xEF\xEF\xE0 \xEA\xF0\xEE\xE2\xE8", ""));
        test::write_file(music + "/Kino - Gruppa krovi/02.mp3",
                         test::mpeg_audio() + test::raw_id3v1_tag("\xC2\xEE\xE9\xED\xE0", "1988"));
        test::ScriptedPromptsScope prompts;
        auto main = start_program(folder.path());
        const auto tag_songs = [&] {
            import_folder(*main, *prompts, music);
            return child<QPlainTextEdit>(*main, "import_songlist")->toPlainText();
        };
        QCOMPARE(tag_songs(), QStringLiteral("Ãðóïïà êðîâè\nÂîéíà"));

        prompts->on_modal = [](QDialog& dialog) {
            auto* combo = dialog.findChild<QComboBox*>("codepage_combo");
            combo->setCurrentIndex(combo->findText("Cyrillic (Windows-1251)"));
            QTest::mouseClick(dialog.findChild<QPushButton*>("ok_bttn"), Qt::LeftButton);
        };
        child<QAction>(*main, "settings_mnu")->trigger();
        QCOMPARE(tag_songs(), QStringLiteral("Группа крови\nВойна"));

        QString title;
        prompts->on_modal = [&](QDialog& dialog) {
            prompts->file_answers.push_back({first});
            QTest::mouseClick(dialog.findChild<QPushButton*>("open_bttn"), Qt::LeftButton);
            dialog.findChild<QListWidget*>("songlist")->setCurrentRow(0);
            title = dialog.findChild<QLineEdit*>("title_txt")->text();
        };
        child<QAction>(*main, "renamer_mnu")->trigger();
        QCOMPARE(title, QStringLiteral("Группа крови"));
    }
};

VINYLIX_TEST(ImportRoadTest)

#include "test_import_road.moc"
