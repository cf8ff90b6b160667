#include "store/catalogue_load.h"
#include "support/albums.h"
#include "support/temp_folder.h"
#include "support/test_registry.h"

#include <QTest>
#include <SQLiteCpp/Database.h>

using namespace vinylix;
using vinylix::test::add_album;
using vinylix::test::add_albums;

class CatalogueTest : public QObject {
    Q_OBJECT
private slots:
    void lists_each_artist_once_under_its_first_spelling() {
        test::TempFolder folder;
        const QString path = folder.make_catalogue();
        {
            auto set = test::open_main(path);
            add_albums(*set, {{"ABBA", "Gold"},
                              {"abba", "Arrival"},
                              {"Abba", "Waterloo"},
                              {"Björk", "Post"},
                              {"BJÖRK", "Debut"},
                              {"Air", "Moon Safari"}});
        }
        SharedState state;
        QList<qint64> steps;
        const auto load = load_catalogue(state, folder.path(), [&](qint64 done, qint64 total) {
            QCOMPARE(total, 6);
            steps << done;
        });
        QVERIFY(load.ok);
        // "Arrival" sorts first among the three ABBA rows, so its spelling names the artist.
        QCOMPARE(load.artist_names, QStringList({"abba", "Air", "BJÖRK"}));
        QVERIFY(state.catalogue_open());
        QCOMPARE(state.artists->record_count(), 6);
        QCOMPARE(steps.last(), 6);
        QVERIFY(std::is_sorted(steps.begin(), steps.end()));
    }

    void an_empty_catalogue_lists_nothing() {
        test::TempFolder folder;
        folder.make_catalogue();
        SharedState state;
        const auto load = load_catalogue(state, folder.path());
        QVERIFY(load.ok);
        QVERIFY(load.artist_names.isEmpty());
        QCOMPARE(state.artists->record_count(), 0);
    }

    void a_missing_or_damaged_file_is_reported_and_left_alone() {
        test::TempFolder folder;
        SharedState state;
        auto load = load_catalogue(state, folder.path());
        QVERIFY(!load.ok);
        QVERIFY(!state.catalogue_open());
        QVERIFY(!state.catalogue_error.isEmpty());
        QVERIFY(!QFile::exists(folder.file("Vinylix.vnx"))); // never created by opening

        QByteArray garbage(4096, 'x');
        garbage.replace(0, 16, "not a catalogue!");
        folder.write_file("Vinylix.vnx", garbage);
        load = load_catalogue(state, folder.path());
        QVERIFY(!load.ok);
        QVERIFY(load.error.contains("not a database"));
        QCOMPARE(folder.read_file("Vinylix.vnx"), garbage);

        // A database without the table is no catalogue either.
        QFile::remove(folder.file("Vinylix.vnx"));
        {
            SQLite::Database other(folder.file("Vinylix.vnx").toStdString(),
                                   SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
            other.exec("CREATE TABLE albums (x TEXT)");
        }
        const QByteArray before = folder.read_file("Vinylix.vnx");
        load = load_catalogue(state, folder.path());
        QVERIFY(!load.ok);
        QVERIFY(load.error.contains("vinylix"));
        QCOMPARE(folder.read_file("Vinylix.vnx"), before);
    }

    void the_empty_catalogue_is_made_once_and_never_replaced() {
        test::TempFolder folder;
        const QString path = folder.file("Vinylix.vnx");
        QString error;
        QVERIFY(create_empty_catalogue(path, &error));
        add_album(*test::open_main(path), "A", "a");
        QVERIFY(!create_empty_catalogue(path, &error));
        QCOMPARE(test::open_main(path)->record_count(), 1);
    }
};

VINYLIX_TEST(CatalogueTest)
#include "test_catalogue.moc"
