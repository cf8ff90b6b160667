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
        QList<qint64> steps;
        const auto load = load_catalogue(folder.path(), [&](qint64 done, qint64 total) {
            [&] { QCOMPARE(total, 12); }(); // reading the rows, then listing the artists
            steps << done;
            return true;
        });
        QVERIFY(load.ok());
        // "Arrival" sorts first among the three ABBA rows, so its spelling names the artist.
        QCOMPARE(load.artist_names, QStringList({"abba", "Air", "BJÖRK"}));
        QCOMPARE(load.artists->record_count(), 6);
        QCOMPARE(steps.size(), 12);
        QCOMPARE(steps.last(), 12);
        QVERIFY(std::is_sorted(steps.begin(), steps.end()));
    }

    void a_missing_or_damaged_file_is_reported_and_left_alone() {
        test::TempFolder folder;
        auto load = load_catalogue(folder.path());
        QVERIFY(!load.ok() && !load.catalogue);
        QCOMPARE(load.error,
                 "The catalogue file \"" + folder.file("Vinylix.vnx") + "\" could not be found.");
        QVERIFY(!QFile::exists(folder.file("Vinylix.vnx"))); // never created by opening

        QByteArray garbage(4096, 'x');
        garbage.replace(0, 16, "not a catalogue!");
        folder.write_file("Vinylix.vnx", garbage);
        load = load_catalogue(folder.path());
        QVERIFY(!load.ok());
        QVERIFY(load.error.endsWith("is not a catalogue file or is damaged."));
        QCOMPARE(folder.read_file("Vinylix.vnx"), garbage);

        // A database without the table is no catalogue either.
        QFile::remove(folder.file("Vinylix.vnx"));
        {
            SQLite::Database other(folder.file("Vinylix.vnx").toStdString(),
                                   SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
            other.exec("CREATE TABLE albums (x TEXT)");
        }
        const QByteArray before = folder.read_file("Vinylix.vnx");
        load = load_catalogue(folder.path());
        QVERIFY(!load.ok());
        QVERIFY(load.error.endsWith("is not a catalogue file or is damaged."));
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

    // A write refused by a read-only file, or held up past the wait by another program
    // reading the file, is told in the program's words and names the file.
    void refused_writes_say_why_in_the_programs_words() {
        test::CatalogueFixture f;
        add_album(*f.set, "A", "a");
        const QString file = "The catalogue file \"" + f.path + "\" ";
        f.set->catalogue().database().exec("PRAGMA query_only = 1");
        f.set->add_new();
        f.set->set_value(u"Artist", "B");
        QString error;
        QVERIFY(!f.set->update(&error));
        QCOMPARE(error, file + "is read-only.");
        f.set->cancel_update();
        f.set->catalogue().database().exec("PRAGMA query_only = 0");

        SQLite::Database other(f.path.toStdString(), SQLite::OPEN_READWRITE);
        other.exec("BEGIN EXCLUSIVE");
        QVERIFY(!delete_all_albums(f.set->catalogue(), &error));
        QVERIFY(error.startsWith(file + "is in use by another program."));
        other.exec("ROLLBACK");
        QCOMPARE(f.set->record_count(), 1);
        QVERIFY(delete_all_albums(f.set->catalogue(), &error));
    }
};

VINYLIX_TEST(CatalogueTest)
#include "test_catalogue.moc"
