#include "app/mainframe.h"
#include "app/splash_window.h"
#include "app/startup.h"
#include "browse/explore_tab.h"
#include "import/import_tab.h"
#include "kit/progress_box.h"
#include "mp3/id3v1_tag.h"
#include "mp3/tag_file.h"
#include "settings/settings_file.h"
#include "support/albums.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"
#include "support/test_registry.h"
#include "support/widgets.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QWindow>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vinylix;

namespace {

// A program folder with an empty catalogue, scripted prompts, and the main window on it.
struct Started {
    test::TempFolder folder;
    test::ScriptedPromptsScope prompts;
    std::unique_ptr<Mainframe> main = (folder.make_catalogue(), start_program(folder.path()));
};

// The menu commands and toolbar buttons that need an album.
const QStringList album_commands = QStringList{"del_album", "del_all_mnu", "editsel_mnu",
                                               "albumtocurrent_mnu", "editartist_name"} +
                                   QStringList{"addtoartist", "del", "delall", "edit"};

// A menu command or toolbar button by its name.
QAction* command(const Mainframe& main, const QString& name) {
    return test::child<QAction>(main, qPrintable(name));
}

// Changes an option the exit saves: the import's folder-name format.
void set_folder_format(Mainframe& main, const QString& format) {
    test::child<QLineEdit>(main, "foldername_txt")->setText(format);
}

} // namespace

class MainframeTest : public QObject {
    Q_OBJECT
private slots:
    void shows_its_title_menus_toolbar_tabs_and_panels() {
        Started p;
        QCOMPARE(p.main->windowTitle(), QStringLiteral("Vinylix 5.1 [Trackwright]"));
        QVERIFY(p.prompts->shown.isEmpty());

        QStringList menus;
        for (QAction* a : p.main->menuBar()->actions())
            menus << a->text();
        QCOMPARE(menus, QStringList({"&Vinylix", "E&dit", "&Tools", "In&formation"}));
        QStringList edit;
        for (QAction* a : test::child<QMenu>(*p.main, "edit_mnu")->actions())
            edit << (a->isSeparator() ? a->objectName() : a->text());
        QCOMPARE(edit, QStringList({"&Undo", "&Redo", "dash0", "&Add", "&Delete", "dash1",
                                    "&Edit artist name", "Edit sele&cted album..."}));
        QCOMPARE(command(*p.main, "del_all_mnu")->text(),
                 QStringLiteral("&All albums from database"));
        QCOMPARE(command(*p.main, "about_mnu")->text(),
                 QStringLiteral("&About Vinylix [Trackwright]..."));

        auto* toolbar = p.main->findChild<QToolBar*>("menu_toolbar");
        QStringList keys;
        for (QAction* a : toolbar->actions())
            keys << (a->isSeparator() ? "|" : a->objectName());
        QCOMPARE(keys, QStringList({"add", "addtoartist", "del", "delall", "edit", "|", "undo",
                                    "redo", "|", "settings", "stats", "|", "tagrenamer", "shelf",
                                    "duplicates", "check", "|", "about"}));
        QCOMPARE(command(*p.main, "addtoartist")->toolTip(),
                 QStringLiteral("Add album to current artist"));
        // Each button has a picture of its own ("delall" is not "del", "about" not "stats"),
        // and its menu command shows the same one.
        QList<QImage> pictures;
        for (QAction* a : toolbar->actions()) {
            if (a->isSeparator())
                continue;
            const QImage picture = a->icon().pixmap(24).toImage();
            QVERIFY2(!picture.isNull() && !pictures.contains(picture), qPrintable(a->objectName()));
            pictures << picture;
        }
        QCOMPARE(command(*p.main, "del_all_mnu")->icon().pixmap(24).toImage(),
                 command(*p.main, "delall")->icon().pixmap(24).toImage());

        QStringList tabs;
        const auto* strip = test::child<QTabWidget>(*p.main, "tabulador");
        for (int i = 0; i < strip->count(); ++i)
            tabs << strip->tabText(i) + "=" + strip->widget(i)->objectName();
        QCOMPARE(tabs, QStringList({" &Explore Albums=explore_frame", " &Search=search_frame",
                                    " Search &by=search_by_frame", " &Import Albums=import_frame",
                                    " E&xport List=export_frame", " Ex&cel=excel_frame"}));
        for (const char* panel : {"panel1", "panel2", "panel3", "panel4", "panel5", "panel6"})
            QVERIFY(test::child<QLabel>(*p.main, panel));
    }

    void an_empty_catalogue_disables_the_album_commands() {
        Started p;
        for (const QString& name : album_commands)
            QVERIFY2(!command(*p.main, name)->isEnabled(), qPrintable(name));
        QVERIFY(command(*p.main, "newalbum_mnu")->isEnabled());
        QVERIFY(command(*p.main, "add")->isEnabled());
        QCOMPARE(test::child<QComboBox>(*p.main, "artists_combo")->count(), 0);
        QCOMPARE(test::child<ProgressBox>(*p.main, "progressbar")->bar_width(), 0);
    }

    void lists_every_artist_once_and_enables_the_commands() {
        test::TempFolder folder;
        const QString path = folder.make_catalogue();
        {
            auto set = test::open_main(path);
            test::add_album(*set, "Beatles", "Help");
            test::add_album(*set, "ABBA", "Gold");
            test::add_album(*set, "abba", "Arrival");
        }
        test::ScriptedPromptsScope prompts;
        auto main = start_program(folder.path());
        QCOMPARE(test::row_texts(test::child<QComboBox>(*main, "artists_combo")->model()),
                 QStringList({"abba", "Beatles"}));
        QCOMPARE(test::child<QComboBox>(*main, "artists_combo")->currentIndex(), 0);
        for (const QString& name : album_commands)
            QVERIFY(command(*main, name)->isEnabled());
        const auto* bar = test::child<ProgressBox>(*main, "progressbar");
        QCOMPARE(bar->bar_width(), 0); // cleared when loading ends
        QVERIFY(bar->repaint_count() >= 1);
    }

    void a_damaged_catalogue_is_reported_once_and_left_unchanged() {
        test::TempFolder folder;
        const QByteArray garbage = QByteArray("SQLite format 3") + QByteArray(2000, '\x07');
        folder.write_file("Vinylix.vnx", garbage);
        test::ScriptedPromptsScope prompts;
        auto main = start_program(folder.path());
        QCOMPARE(prompts->shown.size(), 1);
        QCOMPARE(prompts->shown[0].title, QStringLiteral("Vinylix 5.1 [Trackwright]"));
        QVERIFY(prompts->shown[0].text.contains(folder.file("Vinylix.vnx")));
        QVERIFY(main->isVisible());
        QCOMPARE(test::child<QComboBox>(*main, "artists_combo")->count(), 0);
        for (const QString& name : album_commands)
            QVERIFY(!command(*main, name)->isEnabled());

        // A command that needs the catalogue says it is not open.
        command(*main, "stats_mnu")->trigger();
        QCOMPARE(prompts->shown.size(), 2);
        QVERIFY(prompts->shown[1].text.contains("not open"));
        // A reload through the tab strip does not crash or alter the file either.
        emit test::child<ImportTab>(*main, "import_frame")->albums_stored();
        test::click_tab(*test::child<QTabWidget>(*main, "tabulador"), 1);
        main->close();
        QCOMPARE(folder.read_file("Vinylix.vnx"), garbage);
    }

    // A tab click reads the catalogue again after an import stored albums (once), and after
    // another program changed it, keeping the artist shown.
    void a_tab_click_reloads_once_after_an_import() {
        test::TempFolder folder;
        const QString path = folder.make_catalogue();
        test::add_album(*test::open_main(path), "Air", "Moon Safari");
        test::ScriptedPromptsScope prompts;
        auto main = start_program(folder.path());
        auto* combo = test::child<QComboBox>(*main, "artists_combo");
        emit test::child<ImportTab>(*main, "import_frame")->albums_stored();
        test::click_tab(*test::child<QTabWidget>(*main, "tabulador"), 3);
        QCOMPARE(test::child<QTabWidget>(*main, "tabulador")->currentIndex(), 3);
        test::child<ExploreTab>(*main, "explore_frame")
            ->select_artist_and_album("Air", "Moon Safari");
        test::add_album(*test::open_main(path), "Blur", "Parklife");
        test::click_tab(*test::child<QTabWidget>(*main, "tabulador"), 2);
        QCOMPARE(test::row_texts(combo->model()), QStringList({"Air", "Blur"}));
        test::child<ExploreTab>(*main, "explore_frame")
            ->select_artist_and_album("Blur", "Parklife");
        test::click_tab(*test::child<QTabWidget>(*main, "tabulador"), 0);
        QCOMPARE(combo->currentText(), QStringLiteral("Blur")); // read once: not again
    }

    // Enter on a tab's focused button presses it, as Space does: "Import" opens the folder
    // chooser.
    void enter_presses_the_focused_button_of_a_tab() {
        Started p;
        test::click_tab(*test::child<QTabWidget>(*p.main, "tabulador"), 3);
        p.main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(p.main.get()));
        auto* import = test::child<QPushButton>(*p.main, "import_bttn");
        import->setFocus();
        QTest::keyClick(import, Qt::Key_Return);
        QCOMPARE(p.prompts->shown.value(0).kind, QStringLiteral("modal"));
    }

    void closing_saves_the_options_only_when_asked() {
        test::TempFolder folder;
        folder.make_catalogue();
        folder.write_file("vinylix.ini", "[settings]\r\nsave=1\r\n[export]\r\nnickname=Kim\r\n"
                                         "[excel]\r\nSize=0\r\nArtist=1\r\nAlbum=2\r\nYear=3\r\n"
                                         "Cover=4\r\nCds=5\r\nKbps=6\r\nCD #=7\r\n");
        test::ScriptedPromptsScope prompts;
        {
            auto main = start_program(folder.path());
            set_folder_format(*main, "%2 (%1)");
            main->close();
        }
        const Options saved = SettingsFile(folder.file("vinylix.ini")).options();
        QCOMPARE(saved.importing.foldername, QStringLiteral("%2 (%1)"));
        QCOMPARE(saved.exporting.nickname, QStringLiteral("Kim")); // passed through
        QCOMPARE(saved.spreadsheet.order.first(), QStringLiteral("Size"));

        // The settings window turns saving off: the exit then writes the switch alone.
        {
            auto main = start_program(folder.path());
            prompts->on_modal = [](QDialog& dialog) {
                auto* box = dialog.findChild<QCheckBox*>("save_ch");
                QVERIFY(box->isChecked());
                QTest::mouseClick(box, Qt::LeftButton);
                QTest::mouseClick(dialog.findChild<QPushButton*>("ok_bttn"), Qt::LeftButton);
            };
            command(*main, "settings")->trigger();
            set_folder_format(*main, "%1");
            main->close();
        }
        const Options later = SettingsFile(folder.file("vinylix.ini")).options();
        QVERIFY(!later.save);
        QCOMPARE(later.importing.foldername, QStringLiteral("%2 (%1)"));
        QVERIFY(prompts->texts("notice").isEmpty());
    }

    // However many keys the exit would write, a settings file that cannot be written gives
    // one message naming it, and stays byte for byte with its permissions.
    void a_read_only_settings_file_gives_one_message_and_stays_as_it_was() {
        test::TempFolder folder;
        folder.make_catalogue();
        const QByteArray before = "[settings]\r\nsave=1\r\n";
        folder.write_file("vinylix.ini", before);
        const QString path = folder.file("vinylix.ini");
        QFile::setPermissions(path, QFile::ReadOwner);
        test::ScriptedPromptsScope prompts;
        {
            auto main = start_program(folder.path());
            set_folder_format(*main, "%1");
            main->close();
        }
        QCOMPARE(prompts->shown.size(), 1);
        QCOMPARE(prompts->shown[0].icon, Prompts::Icon::Exclamation);
        QCOMPARE(prompts->shown[0].title, QStringLiteral("Vinylix 5.1 [Trackwright]"));
        QVERIFY(prompts->shown[0].text.startsWith(
            "An error has occurred while calling the API function"));
        QVERIFY(prompts->shown[0].text.contains(path));
        QCOMPARE(folder.read_file("vinylix.ini"), before);
        QCOMPARE(QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser),
                 QFile::ReadOwner);
    }

    void the_about_window_shows_the_version_and_the_folder_in_use() {
        Started p;
        QString version, files;
        p.prompts->on_modal = [&](QDialog& dialog) {
            version = dialog.findChild<QLineEdit*>("version_txt")->text();
            files = dialog.findChild<QLabel*>("folder_lb")->text();
            QTest::mouseClick(dialog.findChild<QPushButton*>("Command1"), Qt::LeftButton);
            QVERIFY(!dialog.isVisible());
        };
        command(*p.main, "about")->trigger();
        QCOMPARE(version, QStringLiteral("5.1.24"));
        QCOMPARE(files, p.folder.path());
        QCOMPARE(p.prompts->texts("modal"), QStringList({"about_frm"}));
    }

    // The splash is on screen before the catalogue loads, and each pixel step of its bar is
    // painted at once, though no event loop runs yet.
    void the_splash_is_painted_while_the_catalogue_loads() {
        SplashWindow splash;
        splash.show_painted();
        QVERIFY(splash.windowHandle()->isExposed());
        ProgressBox* bar = splash.progress_box();
        const int steps = bar->width();
        const int before = bar->paint_count();
        for (int done = 1; done <= steps * 3; ++done)
            bar->set_progress(done, steps * 3);
        QCOMPARE(bar->paint_count() - before, steps);
    }

    // Once started, a write past the file-size limit fails instead of ending the program,
    // and the tag write leaves the file as it was.
    void a_write_past_the_file_size_limit_fails_and_the_file_is_kept() {
        Started p;
        const QByteArray song(4096, '\x55');
        p.folder.write_file("song.mp3", song);
        const pid_t child = fork();
        if (child == 0) {
            const rlimit limit{4096 + 64, 4096 + 64};
            setrlimit(RLIMIT_FSIZE, &limit);
            Id3v1Tag tag;
            tag.title = QStringLiteral("Too long a file");
            _exit(write_tag(p.folder.file("song.mp3"), tag).ok() ? 1 : 0);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY2(WIFEXITED(status), "the write ended the program");
        QCOMPARE(WEXITSTATUS(status), 0); // the write failed
        QCOMPARE(p.folder.read_file("song.mp3"), song);
    }

    // The settings window switches the tag code page; the tag editor opened next reads with it,
    // and the choice is there at the next start.
    void the_tag_editor_reads_a_cyrillic_tag_right_after_the_switch() {
        test::TempFolder folder;
        folder.make_catalogue();
        Id3v1Tag tag;
        tag.title = "Привет, мир";
        folder.write_file("ru.mp3", QByteArray(500, '\x11') + tag.render(CodePage::Windows1251));
        test::ScriptedPromptsScope prompts;
        QString title;
        const auto read_title = [&](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Mp3 Tag Renamer"));
            prompts->file_answers.push_back({folder.file("ru.mp3")});
            QTest::mouseClick(dialog.findChild<QPushButton*>("open_bttn"), Qt::LeftButton);
            dialog.findChild<QListWidget*>("songlist")->setCurrentRow(0);
            title = dialog.findChild<QLineEdit*>("title_txt")->text();
        };
        {
            auto main = start_program(folder.path());
            prompts->on_modal = read_title;
            command(*main, "renamer_mnu")->trigger();
            QCOMPARE(title, QStringLiteral("Ïðèâåò, ìèð"));

            prompts->on_modal = [](QDialog& dialog) {
                auto* combo = dialog.findChild<QComboBox*>("codepage_combo");
                QCOMPARE(combo->currentText(), QStringLiteral("Western (Windows-1252)"));
                combo->setCurrentIndex(combo->findText("Cyrillic (Windows-1251)"));
                QTest::mouseClick(dialog.findChild<QPushButton*>("ok_bttn"), Qt::LeftButton);
            };
            command(*main, "settings")->trigger();
            prompts->on_modal = read_title;
            command(*main, "tagrenamer")->trigger();
            QCOMPARE(title, QStringLiteral("Привет, мир"));
            main->close();
        }
        auto main = start_program(folder.path());
        title.clear();
        command(*main, "renamer_mnu")->trigger();
        QCOMPARE(title, QStringLiteral("Привет, мир"));
    }
};

VINYLIX_TEST(MainframeTest)
#include "test_mainframe.moc"
