#include "app/mainframe.h"
#include "app/startup.h"
#include "settings/settings_file.h"
#include "support/albums.h"
#include "support/scripted_prompts.h"
#include "support/test_registry.h"
#include "support/widgets.h"

#include <QAction>
#include <QDialog>
#include <QListView>

using namespace vinylix;
using vinylix::test::add_album;

class ShelfCommandTest : public QObject {
    Q_OBJECT
private slots:
    // The shelf reads the file, so an album the import stored behind the browser's back is
    // listed; double-clicked, the browser lists it before selecting it.
    void a_double_clicked_album_is_shown_in_the_browser() {
        test::Collection c;
        test::ScriptedPromptsScope prompts;
        auto main = start_program(c.folder.path());
        add_album(*test::open_main(c.folder.file("Vinylix.vnx")), "Wire", "Pink Flag", {}, "1", "4",
                  "50", "1977");
        test::child<QTabWidget>(*main, "tabulador")->setCurrentIndex(1);
        QStringList discs;
        prompts->on_modal = [&](QDialog& dialog) {
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            auto* list = dialog.findChild<QListView*>("discs_list");
            QTRY_COMPARE(list->model()->rowCount(), 3);
            discs = test::row_texts(list->model());
            QTest::keyClick(list, Qt::Key_Down); // disc 4
            auto* albums = dialog.findChild<QListWidget*>("disc_albums_list");
            const QPoint at = albums->visualItemRect(albums->item(0)).center();
            QTest::mouseClick(albums->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(albums->viewport(), Qt::LeftButton, {}, at);
        };
        test::child<QAction>(*main, "shelf")->trigger();
        QCOMPARE(prompts->texts("modal"), QStringList{"shelf_frm"});
        QCOMPARE(discs, QStringList({"Disc 3: 2 albums, 710.4 MB, over by 10.4 MB",
                                     "Disc 4: 1 album, 50 MB", "Disc 12: 2 albums, 670.5 MB"}));
        QCOMPARE(test::child<QTabWidget>(*main, "tabulador")->currentIndex(), 0);
        QCOMPARE(test::browsed(*main), QStringLiteral("Wire|Pink Flag"));
        QCOMPARE(main->state().artists->value(Field::Album), QStringLiteral("Pink Flag"));
    }

    void the_medium_chosen_survives_a_restart() {
        test::Collection c;
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
    }
};

VINYLIX_TEST(ShelfCommandTest)
#include "test_shelf_command.moc"
