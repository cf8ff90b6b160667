#include "support/albums.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"
#include "support/test_registry.h"

#include "export/export_tab.h"
#include "kit/progress_box.h"
#include "store/shared_state.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>

using namespace vinylix;
using test::add_album;

namespace {

// The tab as the main window shows it, with its progress box, over a catalogue of three
// albums in `folder`, which is also the program's folder.
struct Tab {
    test::TempFolder folder;
    SharedState state;
    QWidget window;
    ProgressBox* progress = new ProgressBox(&window);
    ExportTab* tab = new ExportTab(state, progress, folder.path(), &window);
    test::ScriptedPromptsScope prompts;

    explicit Tab(bool with_albums = true) {
        auto set = test::open_main(folder.make_catalogue());
        if (with_albums) {
            add_album(*set, "Quill", "Nocturne", {}, "2", "7", "1200", "1979");
            add_album(*set, "Arlo", "Echo", {}, "1", "12", "650.5", "1992");
            add_album(*set, "Arlo", "Dune", {}, "1", "CDA", "-", "1986");
        }
        test::load_into(state, folder.path());
        tab->resize(700, 400);
        progress->setGeometry(0, 400, 700, 10);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    template <class T> T* child(const char* name) const { return tab->findChild<T*>(name); }
    void click(const char* name) const {
        QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton);
    }
    QString file(const char* name) const { return QString::fromUtf8(folder.read_file(name)); }
    QStringList shown(const char* kind) const { return prompts->texts(QString::fromLatin1(kind)); }
};

} // namespace

class ExportTabTest : public QObject {
    Q_OBJECT

private slots:
    // Each option comes back from the tab as it went in, alone among the others: no two ticks
    // share a box, so none is saved under another's name.
    void each_option_comes_back_as_given() {
        Tab t(false);
        using Tick = bool ExportOptions::*;
        for (const Tick tick :
             {&ExportOptions::nickstatus, &ExportOptions::emailstatus, &ExportOptions::statistics,
              &ExportOptions::year, &ExportOptions::cover, &ExportOptions::nrofcds,
              &ExportOptions::kbps, &ExportOptions::cdnr, &ExportOptions::size}) {
            ExportOptions given{.nickname = "Nick <&>", .email = "a@b", .savemode = ListKind::Html};
            given.*tick = true;
            t.tab->take_options(given);
            QCOMPARE(t.tab->options(), given);
        }
    }

    void preview_writes_the_program_folders_file_and_opens_it() {
        Tab t;
        const AlbumRecord current = t.state.artists->record();
        t.click("year_ch");
        t.child<QComboBox>("org_combo")->setCurrentIndex(2); // "Year"
        t.click("preview_bttn");
        const QString list = t.file("vinylix.txt");
        QVERIFY(list.indexOf("Quill") < list.indexOf("Dune") &&
                list.indexOf("Dune") < list.indexOf("Echo"));
        QVERIFY(list.contains("| Arlo | Echo    | 1992\r\n"));
        QCOMPARE(t.shown("open"), QStringList({t.folder.file("vinylix.txt")}));
        QVERIFY(t.progress->repaint_count() > 1); // drawn while writing

        t.child<QAction>("html_mode")->trigger();
        t.child<QComboBox>("org_combo")->setCurrentIndex(1); // "Album"
        t.click("preview_bttn");
        const QString page = t.file("vinylix.html");
        QVERIFY(page.indexOf(">Dune<") < page.indexOf(">Echo<") &&
                page.indexOf(">Echo<") < page.indexOf(">Nocturne<"));
        QCOMPARE(t.shown("open").last(), t.folder.file("vinylix.html"));
        QVERIFY(t.shown("notice").isEmpty());
        QCOMPARE(t.state.artists->record().fields, current.fields); // the main cursor stays
    }

    void preview_of_an_empty_catalogue_writes_nothing() {
        Tab t(false);
        for (const char* mode : {"text_mode", "html_mode"}) {
            t.child<QAction>(mode)->trigger();
            t.click("preview_bttn");
        }
        QCOMPARE(t.shown("notice"), QStringList(2, "No records in Database"));
        QVERIFY(t.shown("open").isEmpty());
        QCOMPARE(QDir(t.folder.path()).entryList({"*.txt", "*.html"}), QStringList());
        // Saving is not refused: the list has its header and no album line.
        t.prompts->file_answers.push_back({t.folder.file("empty.html")});
        t.click("savefile_bttn");
        QVERIFY(t.file("empty.html").contains(">Album</TD></TR></TABLE>"));
    }

    void save_writes_the_name_as_returned_or_names_why_it_cannot() {
        Tab t;
        t.prompts->file_answers.push_back({t.folder.file("my list")}); // no extension added
        t.click("savefile_bttn");
        QCOMPARE(t.shown("save_file"), QStringList({"Text File (*.txt)"}));
        QVERIFY(t.file("my list").contains("| Arlo | Echo"));
        QVERIFY(t.shown("open").isEmpty());

        t.child<QAction>("html_mode")->trigger();
        t.click("savefile_bttn"); // cancelled: nothing written
        QCOMPARE(QDir(t.folder.path()).entryList({"*.html"}), QStringList());

        // A list that cannot be written is named with the reason and left as it was.
        t.folder.write_file("old.txt", "old list");
        const QString old = t.folder.file("old.txt");
        QFile::setPermissions(old, QFileDevice::ReadOwner);
        t.prompts->file_answers.push_back({old});
        t.click("savefile_bttn");
        QCOMPARE(t.shown("notice"), QStringList("The list file \"" + old +
                                                "\" could not be written: The file is "
                                                "read-only."));
        QCOMPARE(t.folder.read_file("old.txt"), QByteArray("old list"));
    }
};

VINYLIX_TEST(ExportTabTest)
#include "test_export_tab.moc"
