#include "app/mainframe.h"
#include "app/splash_window.h"
#include "app/startup.h"
#include "browse/explore_tab.h"
#include "import/import_tab.h"
#include "kit/progress_box.h"
#include "settings/settings_file.h"
#include "support/albums.h"
#include "support/scripted_prompts.h"
#include "support/test_registry.h"
#include "support/widgets.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>
#include <csignal>

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
    void a_damaged_catalogue_is_reported_once_and_left_unchanged() {
        test::TempFolder folder;
        const QByteArray garbage = QByteArray("SQLite format 3") + QByteArray(2000, '\x07');
        folder.write_file("Vinylix.vnx", garbage);
        test::ScriptedPromptsScope prompts;
        auto main = start_program(folder.path());
        QCOMPARE(prompts->shown.size(), 1);
        QVERIFY(prompts->shown[0].text.contains(folder.file("Vinylix.vnx")));
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
        test::ScriptedPromptsScope prompts;
        const auto start_change_close = [&](const QString& format, const char* command_name) {
            auto main = start_program(folder.path());
            if (command_name)
                command(*main, command_name)->trigger();
            set_folder_format(*main, format);
            main->close();
            return SettingsFile(folder.file("vinylix.ini")).options();
        };
        const Options saved = start_change_close("%2 (%1)", nullptr);
        QCOMPARE(saved.importing.foldername, QStringLiteral("%2 (%1)"));

        // The settings window turns saving off: the exit then writes the switch alone.
        prompts->on_modal = [](QDialog& dialog) {
            auto* box = dialog.findChild<QCheckBox*>("save_ch");
            QVERIFY(box->isChecked());
            QTest::mouseClick(box, Qt::LeftButton);
            QTest::mouseClick(dialog.findChild<QPushButton*>("ok_bttn"), Qt::LeftButton);
        };
        const Options later = start_change_close("%1", "settings");
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
        QVERIFY(prompts->shown[0].text.startsWith(
            "An error has occurred while calling the API function"));
        QVERIFY(prompts->shown[0].text.contains(path));
        QCOMPARE(folder.read_file("vinylix.ini"), before);
        QCOMPARE(QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser),
                 QFile::ReadOwner);
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

    // Once started, a write past the file-size limit fails instead of ending the program.
    void a_write_past_the_file_size_limit_does_not_end_the_program() {
        std::signal(SIGXFSZ, SIG_DFL);
        Started p;
        QVERIFY(std::signal(SIGXFSZ, SIG_DFL) == SIG_IGN);
        std::signal(SIGXFSZ, SIG_IGN);
    }
};

VINYLIX_TEST(MainframeTest)
#include "test_mainframe.moc"
