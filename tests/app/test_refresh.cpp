#include "app/mainframe.h"
#include "app/startup.h"
#include "browse/explore_tab.h"
#include "store/catalogue_load.h"
#include "support/albums.h"
#include "support/scripted_prompts.h"
#include "support/test_registry.h"
#include "support/widgets.h"

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <SQLiteCpp/Database.h>

using namespace vinylix;
using namespace vinylix::test;

namespace {

// What the browser shows and where the main recordset stands: the artists listed, the albums
// of the chosen artist, the artist and album shown, and every record in the recordset's order.
struct Shown {
    QStringList artists;
    QStringList albums;
    QString browsed;
    QStringList records;

    bool operator==(const Shown&) const = default;
};

QStringList records_in_order(Recordset& set) {
    QStringList records;
    for (set.move_first(); !set.eof(); set.move_next())
        records << set.value(Field::Artist) + u'|' + set.value(Field::Album) + u'|' +
                       set.value(Field::Year);
    return records;
}

Shown shown_by(Mainframe& main) {
    return {row_texts(child<QComboBox>(main, "artists_combo")->model()),
            row_texts(child<QListWidget>(main, "albums_list")->model()), browsed(main),
            records_in_order(*main.state().artists)};
}

// The same main window state after a full load of the file, the same album selected.
Shown shown_after_full_load(Mainframe& main) {
    const QStringList shown = browsed(main).split(u'|');
    main.load_catalogue();
    child<ExploreTab>(main, "explore_frame")->select_artist_and_album(shown[0], shown[1]);
    return shown_by(main);
}

void type_into(QDialog& dialog, const char* name, const QString& text) {
    auto* box = dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
    QVERIFY2(box, name);
    box->setText(text); // typed keys carry only Latin-1 letters in QTest
}

class RefreshTest : public QObject {
    Q_OBJECT

private slots:
    // After each write through the editor the browser is refreshed without reading the file;
    // what it shows, and the recordset's order, are what a full load then shows, on artists
    // that differ only in letter case or accents.
    void a_refresh_after_each_save_shows_what_a_full_load_shows() {
        TempFolder folder;
        {
            auto set = open_main(folder.make_catalogue());
            add_album(*set, "ABBA", "Waterloo", "", "1", "5", "650", "1974");
            add_album(*set, "abba", "arrival", "", "1", "3", "650", "1976");
            add_album(*set, "BJÖRK", "Post", "", "1", "8", "600", "1995");
            add_album(*set, "Émilie", "Été", "", "1", "9", "500", "2001");
            add_album(*set, "Zappa", "Hot Rats", "", "1", "7", "700", "1969");
        }
        ScriptedPromptsScope prompts;
        auto main = start_program(folder.path());
        ExploreTab& browser = *child<ExploreTab>(*main, "explore_frame");
        const auto run = [&](const char* command, const std::function<void(QDialog&)>& drive) {
            prompts->on_modal = drive;
            child<QAction>(*main, command)->trigger();
            prompts->on_modal = nullptr;
            QCOMPARE(prompts->texts("notice"), QStringList());
            const Shown refreshed = shown_by(*main);
            QCOMPARE(refreshed, shown_after_full_load(*main));
        };

        run("newalbum_mnu", [&](QDialog& d) {
            type_into(d, "artist_txt", "björk");
            type_into(d, "album_name_txt", "Debut");
            QTest::keyClicks(d.findChild<QComboBox*>("album_loc"), "4");
            type_into(d, "bitrate", "192");
            type_into(d, "size_1", "650");
            d.findChild<QPushButton*>("ok_bttn")->click();
        });
        QCOMPARE(browsed(*main), QStringLiteral("björk|Debut")); // "Debut" sorts first

        browser.select_artist_and_album("Zappa", "Hot Rats");
        run("editsel_mnu", [&](QDialog& d) {
            type_into(d, "artist_txt", "emilie");
            d.findChild<QPushButton*>("ok_bttn")->click();
        });
        QCOMPARE(child<QComboBox>(*main, "artists_combo")->findText("Zappa"), -1);
    }

    // Another program changes the catalogue while the program is open. A command reads the
    // change first and keeps the browser where it was; a command on an album taken away stops,
    // says so, and the browser then shows the catalogue as it is.
    void changes_made_by_another_program_are_seen() {
        TempFolder folder;
        const QString path = folder.make_catalogue();
        add_albums(*open_main(path), {{"Abba", "Gold"}, {"Abba", "Waterloo"}});
        ScriptedPromptsScope prompts;
        auto main = start_program(folder.path());
        ExploreTab& browser = *child<ExploreTab>(*main, "explore_frame");
        SQLite::Database other(path.toStdString(), SQLite::OPEN_READWRITE);

        browser.select_artist_and_album("Abba", "Waterloo");
        other.exec("INSERT INTO vinylix (Artist, Album) VALUES ('Zed', 'Dup')");
        child<QAction>(*main, "stats_mnu")->trigger();
        QCOMPARE(row_texts(child<QComboBox>(browser, "artists_combo")->model()),
                 QStringList({"Abba", "Zed"}));
        QCOMPARE(browsed(*main), QStringLiteral("Abba|Waterloo"));

        other.exec("DELETE FROM vinylix WHERE Album = 'Waterloo'");
        child<QAction>(*main, "del_album")->trigger();
        QCOMPARE(prompts->texts("confirm"), QStringList());
        QVERIFY(prompts->texts("notice").value(0).contains("an album you chose is no longer"));
        QCOMPARE(browsed(*main), QStringLiteral("Abba|Gold"));
    }
};

} // namespace

VINYLIX_TEST(RefreshTest)
#include "test_refresh.moc"
