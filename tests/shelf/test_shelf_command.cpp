#include "app/mainframe.h"
#include "app/startup.h"
#include "settings/settings_file.h"
#include "support/albums.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"
#include "support/test_registry.h"
#include "support/widgets.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <SQLiteCpp/Database.h>

using namespace vinylix;
using vinylix::test::add_album;

namespace {

// A program folder whose catalogue holds albums on discs 3 and 12.
struct Collection {
    test::TempFolder folder;
    Collection() {
        auto set = test::open_main(folder.make_catalogue());
        add_album(*set, "Abba", "Waterloo", {}, "1", "12", "650.5", "1974");
        add_album(*set, "Cure", "Faith", {}, "1", "3", "98", "1981");
        add_album(*set, "Blur", "Parklife", {}, "1", "3", "612.4", "1994");
        add_album(*set, "Cure", "Pornography", {}, "1", "12", "20", "1982");
    }
};

QListWidgetItem* item_with_text(const QListWidget* list, const QString& text) {
    const auto found = list->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
}

} // namespace

class ShelfCommandTest : public QObject {
    Q_OBJECT
private slots:
    void a_double_clicked_album_is_shown_in_the_browser() {
        Collection c;
        test::ScriptedPromptsScope prompts;
        auto main = start_program(c.folder.path());
        QCOMPARE(test::child<QAction>(*main, "shelf_mnu")->text(),
                 QStringLiteral("S&helf Discs..."));
        QCOMPARE(test::child<QAction>(*main, "shelf")->toolTip(), QStringLiteral("Shelf Discs"));
        test::child<QTabWidget>(*main, "tabulador")->setCurrentIndex(1);
        QStringList discs;
        prompts->on_modal = [&](QDialog& dialog) {
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            discs = test::row_texts(dialog.findChild<QListView*>("discs_list")->model());
            auto* albums = dialog.findChild<QListWidget*>("disc_albums_list");
            QListWidgetItem* faith = item_with_text(albums, "Cure \u2013 Faith, 98 MB");
            QVERIFY(faith);
            const QPoint at = albums->visualItemRect(faith).center();
            QTest::mouseClick(albums->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(albums->viewport(), Qt::LeftButton, {}, at);
        };
        test::child<QAction>(*main, "shelf")->trigger();
        QCOMPARE(prompts->texts("modal"), QStringList{"shelf_frm"});
        QCOMPARE(discs, QStringList({"Disc 3: 2 albums, 710.4 MB, over by 10.4 MB",
                                     "Disc 12: 2 albums, 670.5 MB"}));
        QCOMPARE(test::child<QTabWidget>(*main, "tabulador")->currentIndex(), 0);
        QCOMPARE(test::browsed(*main), QStringLiteral("Cure|Faith"));
        QCOMPARE(main->state().artists->value(Field::Album), QStringLiteral("Faith"));
        QCOMPARE(test::child<QLabel>(*main, "panel1")->text(), QStringLiteral("CD #3"));
    }

    // The import stores albums behind the browser's back; the shelf reads the file, so an album
    // chosen there is listed in the browser before it is selected.
    void an_album_stored_since_the_last_load_is_shown_too() {
        Collection c;
        test::ScriptedPromptsScope prompts;
        auto main = start_program(c.folder.path());
        add_album(*test::open_main(c.folder.file("Vinylix.vnx")), "Wire", "Pink Flag", {}, "1", "4",
                  "50", "1977");
        prompts->on_modal = [](QDialog& dialog) {
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            auto* discs = dialog.findChild<QListView*>("discs_list");
            QTest::keyClick(discs, Qt::Key_Down); // disc 4
            auto* albums = dialog.findChild<QListWidget*>("disc_albums_list");
            albums->setCurrentRow(0);
            QTest::keyClick(albums, Qt::Key_Enter);
        };
        test::child<QAction>(*main, "shelf_mnu")->trigger();
        QCOMPARE(test::browsed(*main), QStringLiteral("Wire|Pink Flag"));
    }

    void the_medium_chosen_survives_a_restart() {
        Collection c;
        test::ScriptedPromptsScope prompts;
        {
            auto main = start_program(c.folder.path());
            prompts->on_modal = [](QDialog& dialog) {
                auto* medium = dialog.findChild<QComboBox*>("medium_combo");
                QCOMPARE(medium->currentText(), QStringLiteral("CD-R 700 MB"));
                QTest::keyClick(medium, Qt::Key_Down);
                QTest::keyClick(&dialog, Qt::Key_Escape);
            };
            test::child<QAction>(*main, "shelf_mnu")->trigger();
            // Closed without a choice: nothing moves.
            QCOMPARE(test::browsed(*main), QStringLiteral("Abba|Waterloo"));
            main->close();
        }
        QCOMPARE(SettingsFile(c.folder.file("vinylix.ini")).options().medium, Medium::DvdR);
        auto main = start_program(c.folder.path());
        QString shown;
        prompts->on_modal = [&](QDialog& dialog) {
            shown = dialog.findChild<QComboBox*>("medium_combo")->currentText();
        };
        test::child<QAction>(*main, "shelf_mnu")->trigger();
        QCOMPARE(shown, QStringLiteral("DVD\u00B1R 4,482 MB"));
        QVERIFY(prompts->texts("notice").isEmpty());
    }

    void a_catalogue_that_cannot_be_read_is_reported_and_no_window_opens() {
        Collection c;
        test::ScriptedPromptsScope prompts;
        auto main = start_program(c.folder.path());
        main->state().vinylixdb->database().exec("DROP TABLE vinylix");
        test::child<QAction>(*main, "shelf_mnu")->trigger();
        QVERIFY(prompts->texts("modal").isEmpty());
        QCOMPARE(prompts->texts("notice").size(), 1);
        QVERIFY(prompts->texts("notice").first().contains(c.folder.file("Vinylix.vnx")));
    }
};

VINYLIX_TEST(ShelfCommandTest)
#include "test_shelf_command.moc"
