#include "editor_fixture.h"
#include "support/test_registry.h"

#include <QAction>

using namespace vinylix;
using namespace vinylix::test;

namespace {

void select_albums(ExploreTab& browser, const QStringList& titles) {
    QListWidget* list = browser.albums_list();
    list->clearSelection();
    for (int i = 0; i < list->count(); ++i)
        if (titles.contains(list->item(i)->text()))
            list->item(i)->setSelected(true);
}

QStringList artists_listed(const ExploreTab& browser) {
    QStringList names;
    for (int i = 0; i < browser.artists_combo()->count(); ++i)
        names << browser.artists_combo()->itemText(i);
    return names;
}

} // namespace

class MaintenanceCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void album_to_current_artist_takes_the_browsed_artist() {
        EditorFixture f;
        f.browser().select_artist_and_album("Beatles", "Anthology");
        f.main->state().artists->move_last(); // as a search might leave it
        QString artist;
        f.run("albumtocurrent_mnu", [&](QDialog& d) { artist = box(d, "artist_txt")->text(); });
        QCOMPARE(artist, QStringLiteral("Beatles"));
    }

    void renaming_moves_the_selected_albums_but_a_clash() {
        EditorFixture f;
        {
            auto set = open_main(f.folder.file("Vinylix.vnx"));
            add_album(*set, "Cream", "Arrival");
        }
        f.main->load_catalogue();
        f.browser().select_artist_and_album("ABBA", "GOLD");
        select_albums(f.browser(), {"Arrival", "GOLD", "Waterloo"});
        f.run("editartist_name", [&](QDialog& d) {
            QLineEdit* artist = box(d, "artist_txt");
            QCOMPARE(artist->text(), QStringLiteral("ABBA"));
            QVERIFY(!artist->isReadOnly());
            QVERIFY(!box(d, "nrofcds_txt")->isVisible());
            QCOMPARE(d.height(), 1020 * d.logicalDpiY() / 1440);
            artist->clear();
            QTest::keyClick(artist, Qt::Key_Return); // an empty name is refused
            QVERIFY(d.isVisible());
            QTest::keyClicks(artist, "cream");
            QTest::keyClick(artist, Qt::Key_Return);
            QVERIFY(!d.isVisible());
        });
        QCOMPARE(f.prompts->texts("notice"),
                 QStringList({"Please fill in all text boxes.",
                              "The artist [ cream ] already has one album labeled [ Arrival ].\n"
                              "Unable to proceed with transfer."}));
        QCOMPARE(f.browser().artists_combo()->currentText(), QStringLiteral("Cream"));
        QCOMPARE(f.albums_listed(), QStringList({"Arrival", "GOLD", "Waterloo"}));
        QCOMPARE(f.selected_album(), QStringLiteral("GOLD"));
        QCOMPARE(f.stored("ABBA", "Arrival", "Year"), QStringLiteral("1976"));
        QCOMPARE(f.stored("cream", "Waterloo", "Year"), QStringLiteral("1974"));
    }

    void deleting_an_album_from_the_middle_selects_the_one_above() {
        EditorFixture f;
        f.browser().select_artist_and_album("ABBA", "GOLD");
        f.main->menu_command("del_album")->trigger();
        QCOMPARE(f.prompts->texts("confirm"),
                 QStringList({"You are about to delete ABBA - GOLD. Continue?"}));
        QCOMPARE(f.albums_listed(), QStringList({"Arrival", "Waterloo"}));
        QCOMPARE(f.selected_album(), QStringLiteral("Arrival"));
        QCOMPARE(f.stored("ABBA", "GOLD", "Album"), QStringLiteral("<none>"));
    }

    void each_selected_album_has_its_own_question() {
        EditorFixture f;
        f.browser().select_artist_and_album("ABBA", "GOLD");
        select_albums(f.browser(), {"Arrival", "Waterloo"});
        f.prompts->answers = {false, true};
        f.main->toolbar_button("del")->trigger();
        QCOMPARE(f.prompts->texts("confirm").size(), 2);
        QCOMPARE(f.albums_listed(), QStringList({"Arrival", "GOLD"}));
        QCOMPARE(f.selected_album(), QStringLiteral("GOLD"));
    }

    void deleting_an_artists_only_album_drops_the_artist() {
        EditorFixture f;
        f.browser().select_artist_and_album("Zappa", "Hot Rats");
        f.main->menu_command("del_album")->trigger();
        QCOMPARE(artists_listed(f.browser()), QStringList({"ABBA", "Beatles"}));
        QCOMPARE(f.browser().artists_combo()->currentText(), QStringLiteral("Beatles"));
        QCOMPARE(f.albums_listed(), QStringList({"Anthology", "White Album"}));
    }

    void deleting_the_last_album_empties_the_browser() {
        EditorFixture f;
        {
            auto set = open_main(f.folder.file("Vinylix.vnx"));
            QString error;
            for (set->move_first(); !set->eof(); set->move_next())
                if (set->value(u"Artist") != QLatin1String("Zappa"))
                    QVERIFY(set->delete_current(&error));
        }
        f.main->load_catalogue();
        f.main->menu_command("del_album")->trigger();
        QCOMPARE(f.browser().artists_combo()->count(), 0);
        QCOMPARE(f.browser().albums_list()->count(), 0);
        QVERIFY(f.browser().song_text()->toPlainText().isEmpty());
        for (const char* command : {"del_album", "del_all_mnu", "editsel_mnu"})
            QVERIFY(!f.main->menu_command(command)->isEnabled());
        QVERIFY(!f.main->toolbar_button("addtoartist")->isEnabled());
    }

    void delete_all_asks_twice() {
        EditorFixture f;
        f.prompts->answers = {true, false};
        f.main->menu_command("del_all_mnu")->trigger();
        QCOMPARE(f.prompts->texts("confirm"),
                 QStringList({"You are about to delete all records from database. Continue?",
                              "If you continue, all information previously saved will be lost. "
                              "Continue?"}));
        QCOMPARE(f.main->state().artists->record_count(), 6);
        f.main->toolbar_button("delall")->trigger();
        QCOMPARE(f.main->state().artists->record_count(), 0);
        QCOMPARE(open_main(f.folder.file("Vinylix.vnx"))->record_count(), 0);
        QCOMPARE(f.browser().artists_combo()->count(), 0);
        QVERIFY(!f.main->toolbar_button("delall")->isEnabled());
    }
};

VINYLIX_TEST(MaintenanceCommandsTest)
#include "test_maintenance_commands.moc"
