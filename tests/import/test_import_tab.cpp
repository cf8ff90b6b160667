#include "support/album_tree.h"
#include "support/albums.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"
#include "support/test_registry.h"
#include "support/widgets.h"

#include "import/import_tab.h"
#include "import/set_directory.h"
#include "kit/progress_box.h"
#include "store/shared_state.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

using namespace vinylix;
using namespace vinylix::test;

namespace {

// Three album folders: "[Abba] - Gold" on two CDs, "[metallica] -
// black album" with tags and an M3U playlist, "[Air] - Moon Safari" without tags.
void make_albums(const QString& root) {
    write_file(root + "/[Abba] - Gold/CD1/01 - Dancing Queen.mp3", mp3_file("Dancing Queen"));
    write_file(root + "/[Abba] - Gold/CD2/01 - Waterloo.mp3", mp3_file("Waterloo", "1992"));
    write_file(root + "/[metallica] - black album/01 - Enter Sandman.mp3",
               mp3_file("Enter Sandman", "1991"));
    write_file(root + "/[metallica] - black album/02 - Sad but True.mp3",
               mp3_file("Sad But True", "1991"));
    write_file(root + "/[metallica] - black album/list.m3u",
               "#EXTINF:1,Enter Sandman (remaster)\r\n1.mp3\r\n");
    write_file(root + "/[Air] - Moon Safari/01 - La Femme d'Argent.mp3", mpeg_audio());
}

// The tab over an empty catalogue, shown, with the status-bar texts it signals collected.
struct Tab {
    TempFolder folder;
    SharedState state;
    ProgressBox progress;
    ImportTab tab{state, &progress, folder.path()};
    ScriptedPromptsScope prompts;
    std::array<QString, 6> panels;

    Tab() {
        folder.make_catalogue();
        load_into(state, folder.path());
        QObject::connect(&tab, &ImportTab::panel_text,
                         [this](int p, const QString& text) { panels[std::size_t(p - 1)] = text; });
        tab.show();
        tab.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&tab));
    }
    template <class T = QWidget> T* child(const char* name) const {
        return tab.findChild<T*>(QString::fromLatin1(name));
    }
    QListWidget* albums() const { return child<QListWidget>("retrieved_albums"); }
    QString songs() const { return child<QPlainTextEdit>("import_songlist")->toPlainText(); }
    QStringList lines() const { return row_texts(albums()->model()); }
    void click(const char* button) const {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    }
    // Clicks "Import" and answers the folder chooser with `root` (cancels it when empty).
    void import_from(const QString& root) {
        prompts->on_modal = [root](QDialog& dialog) {
            if (!root.isEmpty())
                dynamic_cast<SetDirectory&>(dialog).set_folder(root);
            const char* button = root.isEmpty() ? "cancel_bttn" : "ok_bttn";
            QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
        };
        click("import_bttn");
        tab.activateWindow(); // back from the chooser
        QVERIFY(QTest::qWaitForWindowActive(&tab));
    }
    // Imports the three albums of make_albums() with the format "[%1] - %2".
    void import_albums() {
        make_albums(folder.file("music"));
        child<QLineEdit>("foldername_txt")->setText("[%1] - %2");
        import_from(folder.file("music"));
    }
    void press_source(int button) const {
        child<QAction>(QStringLiteral("extract_mode%1").arg(button).toLatin1())->trigger();
    }
};

} // namespace

class ImportTabTest : public QObject {
    Q_OBJECT

private slots:
    void detection_lists_the_albums_and_shows_the_first() {
        Tab t;
        t.child<QCheckBox>("convertlower_check")->setChecked(true);
        t.import_albums();
        QCOMPARE(t.lines(),
                 QStringList({"Abba - Gold", "Air - Moon Safari", "Metallica - Black Album"}));
        QCOMPARE(t.child<QTabWidget>("import_tab")->currentIndex(), 1);
        QCOMPARE(t.songs(), QStringLiteral("== CD 1 ==\n01 - Dancing Queen\n\n== CD 2 ==\n01 - "
                                           "Waterloo"));
        QCOMPARE(t.panels, (std::array<QString, 6>{"CD #: ", "Size: 0", "Bitrate: 128",
                                                   "Year: 1992", "Cover: ", "# of CDs: 2"}));
        QCOMPARE(t.tab.options().path, t.folder.file("music"));
        t.import_from({}); // cancelled: the list stays
        // The arrow keys and the source buttons show what a click shows.
        t.albums()->setFocus();
        QTest::keyClick(t.albums(), Qt::Key_End);
        QStringList seen{t.songs(), t.panels[3]};
        t.press_source(2);
        seen << t.songs();
        t.press_source(3);
        seen << t.songs();
        QTest::keyClick(t.albums(), Qt::Key_Up);
        seen << t.songs() + t.child<QLineEdit>("year_txt")->text(); // Air: no tags
        QCOMPARE(seen,
                 QStringList({"01 - Enter Sandman\n02 - Sad but True", "Year: 1991",
                              "Enter Sandman (remaster)", "Enter Sandman\nSad But True", ""}));
    }

    // Apply takes the disc box through its digits; back on an applied line, its own list and
    // its chosen source are shown.
    void apply_writes_the_review_boxes_into_the_selected_lines() {
        Tab t;
        t.import_albums();
        QTest::keyClick(t.albums(), Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClicks(t.child<QLineEdit>("cdnr_txt"), "1x2");
        t.child<QComboBox>("cover_combo")->setCurrentIndex(0);
        t.click("apply_bttn");
        QCOMPARE(t.panels[0] + t.panels[4], QStringLiteral("CD #: 12Cover: Yes"));
        QCOMPARE(t.tab.data()[1].cd + t.tab.data()[2].cd, QStringLiteral("12"));
        QTest::keyClick(t.albums(), Qt::Key_End);
        t.child<QPlainTextEdit>("import_songlist")->setPlainText("One\nTwo");
        t.click("apply_bttn");
        t.press_source(3);
        QTest::keyClick(t.albums(), Qt::Key_Up);
        QTest::keyClick(t.albums(), Qt::Key_Down);
        QCOMPARE(t.songs(), QStringLiteral("One\nTwo"));
        QVERIFY(t.child<QAction>("extract_mode1")->isChecked());
    }

    // Add stops at an album without a disc, taking the cursor to the disc box, and reports
    // duplicates; once every album is stored, nothing of the last one stays shown.
    void add_to_database_stores_up_to_an_album_without_disc_and_reports_duplicates() {
        Tab t;
        add_album(*t.state.artists, "Abba", "GOLD");
        t.import_albums();
        QSignalSpy stored(&t.tab, &ImportTab::albums_stored);
        t.albums()->selectAll();
        t.click("addtodb_bttn");
        QCOMPARE(t.prompts->texts("notice"),
                 QStringList({"You have to define the cd number.\nIt is required to catalog the "
                              "album."}));
        QVERIFY(t.child<QLineEdit>("cdnr_txt")->hasFocus());
        t.child<QLineEdit>("cdnr_txt")->setText("6");
        t.click("apply_bttn");
        t.click("addtodb_bttn");
        QCOMPARE(t.prompts->texts("notice").last(),
                 QStringLiteral("The album Abba - Gold already exists.\nPlease choose a different "
                                "name for the album or edit the existing one."));
        QCOMPARE(t.lines(), QStringList({"Abba - Gold"}));
        QCOMPARE(stored.count(), 1);
        const QString catalogue = t.folder.file("Vinylix.vnx");
        QCOMPARE(stored_field(catalogue, "Air", "Moon Safari", "CD"), QStringLiteral("6"));
        auto set = open_main(catalogue);
        QVERIFY(set->find_first({"Album", "GOLD"}) && set->delete_current(nullptr));
        t.albums()->selectAll();
        t.click("addtodb_bttn");
        QCOMPARE(t.lines(), QStringList());
        QCOMPARE(t.panels, (std::array<QString, 6>{}));
        QCOMPARE(t.songs() + t.child<QLineEdit>("cdnr_txt")->text(), QString());
        // The controls that act on the albums found are enabled only while there are some.
        for (const char* name :
             {"addtodb_bttn", "year_txt", "apply_bttn", "cdnr_txt", "cover_combo", "extract_mode"})
            QVERIFY2(!t.child(name)->isEnabled(), name);
    }

    // A volume that cannot be read is refused; OK takes exactly the folder chosen: when another
    // program deletes it, the tree takes none of its neighbours, and OK says it is gone.
    void the_chooser_takes_the_chosen_folder_or_says_it_is_gone() {
        ScriptedPromptsScope prompts;
        const TempFolder folder;
        const QString music = folder.file("music");
        for (const char* name : {"/54", "/55", "/56"})
            make_folder(music + name);
        const QString chosen = music + "/55";
        SetDirectory chooser({{"/", "/ [Root]", true}, {"/no-disc-here", "/no-disc-here", false}},
                             chosen);
        chooser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chooser));
        chooser.findChild<QComboBox*>("Drive1")->setCurrentIndex(1);
        QCOMPARE(chooser.folder(), chosen);
        auto* tree = chooser.findChild<QTreeView*>("Dir1");
        auto* model = qobject_cast<QFileSystemModel*>(tree->model());
        QTRY_COMPARE(model->rowCount(model->index(music)), 3);
        QVERIFY(QDir(chosen).removeRecursively());
        QTRY_COMPARE(model->rowCount(model->index(music)), 2); // the tree lets it go
        QVERIFY(!tree->selectionModel()->hasSelection());
        QTest::mouseClick(chooser.findChild<QPushButton*>("ok_bttn"), Qt::LeftButton);
        QCOMPARE(prompts->texts("notice"),
                 QStringList({"Please insert a disk into drive /no-disc-here",
                              QStringLiteral("The folder %1 is gone: it was deleted, renamed or "
                                             "unmounted since it was chosen.\nPlease choose "
                                             "another folder.")
                                  .arg(chosen)}));
        QVERIFY(chooser.isVisible() && !chooser.chosen());
        tree->setFocus();
        QTest::keyClick(tree, Qt::Key_Down);
        QTest::mouseClick(chooser.findChild<QPushButton*>("ok_bttn"), Qt::LeftButton);
        QVERIFY(chooser.chosen() && chooser.folder() == model->filePath(tree->currentIndex()));
    }
};

VINYLIX_TEST(ImportTabTest)

#include "test_import_tab.moc"
