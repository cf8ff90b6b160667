#include "support/album_tree.h"
#include "support/albums.h"
#include "support/scripted_prompts.h"
#include "support/test_registry.h"

#include "cli/program_mode.h"
#include "export/export_tab.h"
#include "settings/settings_file.h"
#include "store/shared_state.h"

#include <QComboBox>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

using namespace vinylix;

namespace {

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// A copy of the program in a folder of its own, which holds its catalogue and settings file as
// a build folder does: Quill / Nocturne (2 CDs, disc 7), Arlo / Echo (disc 12), Arlo / Dune
// (an audio CD).
struct Program {
    test::TempFolder folder;
    QString catalogue = folder.make_catalogue();

    Program() {
        const QString program = folder.file(QStringLiteral("vinylix"));
        if (!QFile::copy(QStringLiteral(VINYLIX_PROGRAM), program))
            qFatal("cannot copy the program");
        auto set = test::open_main(catalogue);
        test::add_album(*set, "Quill", "Nocturne", "Love Me Do\r\nLovely", "2", "7", "1200.25",
                        "1979");
        test::add_album(*set, "Arlo", "Echo", "Intro", "1", "12", "650.5", "1992");
        test::add_album(*set, "Arlo", "Dune", {}, "1", "CDA", "-", "1986");
    }

    Run run(const QStringList& arguments) const {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(variable));
        process.setProcessEnvironment(environment);
        process.start(folder.file(QStringLiteral("vinylix")), arguments);
        if (!process.waitForFinished(60000))
            qFatal("the program did not end");
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                process.readAllStandardOutput(), process.readAllStandardError()};
    }

    // The file the export tab's preview writes for `options` and the sort order `order`.
    QByteArray export_tab_file(const ExportOptions& options, int order) const {
        const test::TempFolder out;
        const test::ScriptedPromptsScope prompts;
        SharedState state;
        test::load_into(state, folder.path());
        ExportTab tab(state, nullptr, out.path());
        tab.take_options(options);
        tab.findChild<QComboBox*>(QStringLiteral("org_combo"))->setCurrentIndex(order);
        tab.preview();
        return out.read_file(options.savemode == ListKind::Text ? "vinylix.txt" : "vinylix.html");
    }

    // Bytes and times of the catalogue and settings file.
    QList<QVariant> files_as_they_stand() const {
        QList<QVariant> state;
        for (const char* name : {"Vinylix.vnx", "vinylix.ini"}) {
            state << folder.read_file(QString::fromLatin1(name));
            state << QFileInfo(folder.file(QString::fromLatin1(name))).lastModified();
        }
        return state;
    }
};

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Program> p;

private slots:
    void initTestCase() {
        p = std::make_unique<Program>();
        Options saved;
        saved.exporting.savemode = ListKind::Html;
        saved.exporting.year = saved.exporting.size = saved.exporting.statistics = true;
        QString error;
        QVERIFY2(SettingsFile(p->folder.file("vinylix.ini")).save(saved, &error),
                 qPrintable(error));
    }

    // The settings' export options are the defaults; the options change them for one list.
    // Read-only commands leave the catalogue and the settings file as they were.
    void list_is_byte_for_byte_the_export_tabs_file() {
        const auto before = p->files_as_they_stand();
        ExportOptions html;
        html.savemode = ListKind::Html;
        html.year = html.size = html.statistics = true;
        const Run from_settings = p->run({"list"});
        QCOMPARE(from_settings.status, 0);
        QCOMPARE(from_settings.out, p->export_tab_file(html, 0));

        ExportOptions text = html;
        text.savemode = ListKind::Text;
        text.year = text.size = false;
        text.kbps = text.cdnr = text.nickstatus = true;
        text.nickname = QStringLiteral("Zed");
        const QString file = p->folder.file("list.txt");
        const Run to_file = p->run({"list", "--text", "--fields", "kbps,cd", "--sort", "album",
                                    "--nickname", "Zed", "--output", file});
        QCOMPARE(to_file.status, 0);
        QVERIFY(to_file.out.isEmpty());
        QCOMPARE(p->folder.read_file("list.txt"), p->export_tab_file(text, 1));
        p->run({"search", "Arlo"});
        p->run({"stats"});
        QCOMPARE(p->files_as_they_stand(), before);
    }

    void search_and_stats_print_one_line_each() {
        QCOMPARE(p->run({"search", "--in", "song", "LOV"}).out, QByteArray("Love Me Do\nLovely\n"));
        QCOMPARE(p->run({"search", "rl"}).out, QByteArray("Arlo - Dune\nArlo - Echo\n"));
        QCOMPARE(p->run({"search", "zzz"}).out, QByteArray());
        QCOMPARE(p->run({"stats"}).out,
                 QByteArray("Number of Artists: 2\nNumber of Albums: 3\n"
                            "Total Size (MB): 1850.75\nNumber of Cds: 13\n"));
    }

    // A dry run stores nothing; the first import stores every album found on the disc given;
    // the second stores nothing and says why.
    void import_stores_each_album_once() {
        const test::TempFolder music;
        test::write_file(music.file("Abba - Gold/01 - Waterloo.mp3"), test::mp3_file());
        test::write_file(music.file("Arlo - Echo/a.mp3"), test::mp3_file());
        test::make_folder(music.file("Scans"));
        const QByteArray stored = p->folder.read_file("Vinylix.vnx");
        QVERIFY(p->run({"import", music.path(), "--disc", "14", "--dry-run"})
                    .out.endsWith("1 album to store, 1 duplicate, 0 folders refused; nothing "
                                  "stored (dry run).\n"));
        QCOMPARE(p->folder.read_file("Vinylix.vnx"), stored);

        const Run first = p->run({"import", music.path(), "--disc", "14"});
        QCOMPARE(first.status, 0);
        QVERIFY(first.out.startsWith("stored: Abba - Gold\n"));
        QVERIFY(first.out.endsWith("1 album stored, 1 duplicate, 0 folders refused.\n"));
        QCOMPARE(test::stored_field(p->catalogue, "Abba", "Gold", "Songs") + '/' +
                     test::stored_field(p->catalogue, "Abba", "Gold", "CD"),
                 QString("01 - Waterloo/14"));
        QVERIFY(p->run({"import", music.path(), "--disc", "14"})
                    .out.endsWith("0 albums stored, 2 duplicates, 0 folders refused.\n"));
    }

    // The report Check a Disc copies, with the system's line ends; nothing is written.
    void check_holds_a_folder_against_a_disc() {
        const test::TempFolder music;
        test::write_file(music.file("Arlo - Echo/Intro.mp3"), test::mp3_file());
        test::write_file(music.file("New - One/a.mp3"), test::mp3_file());
        const auto before = p->files_as_they_stand();
        const Run check = p->run({"check", music.path(), "--disc", "012"});
        QCOMPARE(check.status, 0);
        QVERIFY(check.out.startsWith("Check of disc 12\n") && !check.out.contains('\r'));
        QVERIFY(check.out.contains("\nDifferent (1)\n  Arlo - Echo\n"));
        QCOMPARE(p->files_as_they_stand(), before);
    }

    // One message, nothing on standard output.
    void failed_work_gives_status_1_and_one_message() {
        const Run runs[] = {
            p->run({"stats", "--catalogue", p->folder.file("none.vnx")}),
            p->run({"import", p->folder.file("no folder"), "--disc", "3"}),
            p->run({"list", "--output", p->folder.path()}),
        };
        for (const Run& run : runs) {
            QCOMPARE(run.status, 1);
            QVERIFY2(run.err.startsWith("vinylix: ") && run.err.count('\n') == 1, run.err);
            QVERIFY(run.out.isEmpty());
        }
    }

    void wrong_command_lines_give_status_2_and_the_usage() {
        // An unknown option, an unknown command, a missing value, a value out of its set.
        const QStringList wrong[] = {
            {"list", "--bogus"}, {"frobnicate"}, {"import", "/tmp"}, {"list", "--sort", "size"}};
        for (const QStringList& arguments : wrong) {
            const Run run = p->run(arguments);
            QCOMPARE(run.status, 2);
            QVERIFY2(run.err.startsWith("vinylix: ") && run.err.contains("\nUsage: vinylix "),
                     run.err);
            QVERIFY(run.out.isEmpty());
        }
    }

    void help_and_version_need_no_display_and_windows_do() {
        QVERIFY(p->run({"--help"}).out.contains("Commands:\n  list "));
        QVERIFY(p->run({"import", "--help"}).out.startsWith("Usage: vinylix import "));
        QCOMPARE(p->run({"--version"}).out, QByteArray("vinylix " VINYLIX_VERSION "\n"));
        const Run windows = p->run({});
        QCOMPARE(windows.status, 1);
        QCOMPARE(windows.err, (no_display_message + u'\n').toUtf8());
    }
};

VINYLIX_TEST(CommandLineTest)
#include "test_command_line.moc"
