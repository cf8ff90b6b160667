#include "store/album_batch.h"
#include "store/catalogue_load.h"
#include "support/albums.h"
#include "support/test_registry.h"

#include <QTest>
#include <SQLiteCpp/Database.h>
#include <functional>
#include <thread>

using namespace vinylix;
using vinylix::test::add_album;
using vinylix::test::add_albums;
using namespace std::chrono_literals;

namespace {

// Another program holds the file for writing, and lets go after a while.
std::jthread held_by_another(const QString& path) {
    auto other = std::make_shared<SQLite::Database>(path.toStdString(), SQLite::OPEN_READWRITE);
    other->exec("BEGIN IMMEDIATE");
    return std::jthread([other] {
        std::this_thread::sleep_for(300ms);
        other->exec("COMMIT");
    });
}

} // namespace

class CatalogueTest : public QObject {
    Q_OBJECT
private slots:
    void lists_each_artist_once_under_its_first_spelling() {
        test::CatalogueFixture f;
        add_albums(*f.set, {{"ABBA", "Gold"}, {"abba", "Arrival"}, {"Abba", "Waterloo"}});
        add_albums(*f.set, {{"Björk", "Post"}, {"BJÖRK", "Debut"}, {"Air", "Moon Safari"}});
        const auto load = load_catalogue(f.folder.path());
        QVERIFY(load.ok());
        // "Arrival" sorts first among the three ABBA rows, so its spelling names the artist.
        QCOMPARE(load.artist_names, QStringList({"abba", "Air", "BJÖRK"}));
        QCOMPARE(load.artists->record_count(), 6);
    }

    // A missing file is never created by opening; garbage or a database without the table is
    // no catalogue, and is left byte for byte.
    void a_missing_or_damaged_file_is_reported_and_left_alone() {
        test::TempFolder folder;
        const QString path = folder.file("Vinylix.vnx");
        QCOMPARE(load_catalogue(folder.path()).error,
                 "The catalogue file \"" + path + "\" could not be found.");
        QVERIFY(!QFile::exists(path));
        const auto refused_as_it_is = [&] {
            const QByteArray before = folder.read_file("Vinylix.vnx");
            const auto load = load_catalogue(folder.path());
            QVERIFY(!load.ok() && !load.catalogue);
            QVERIFY(load.error.endsWith("is not a catalogue file or is damaged."));
            QCOMPARE(folder.read_file("Vinylix.vnx"), before);
        };
        folder.write_file("Vinylix.vnx", "not a catalogue!" + QByteArray(4080, 'x'));
        refused_as_it_is();
        QFile::remove(path);
        SQLite::Database(path.toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE)
            .exec("CREATE TABLE albums (x TEXT)");
        refused_as_it_is();
    }

    void the_empty_catalogue_is_made_once_and_never_replaced() {
        test::CatalogueFixture f; // made by create_empty_catalogue
        add_album(*f.set, "A", "a");
        QString error;
        QVERIFY(!create_empty_catalogue(f.path, &error));
        QCOMPARE(test::open_main(f.path)->record_count(), 1);
    }

    // A write held up past the wait by another program reading the file is told in the
    // program's words and names the file.
    void a_write_held_up_too_long_says_why() {
        test::CatalogueFixture f;
        add_album(*f.set, "A", "a");
        QString error;
        SQLite::Database other(f.path.toStdString(), SQLite::OPEN_READWRITE);
        other.exec("BEGIN EXCLUSIVE");
        QVERIFY(!delete_all_albums(f.set->catalogue(), &error));
        QVERIFY(error.startsWith("The catalogue file \"" + f.path +
                                 "\" is in use by another program."));
        other.exec("ROLLBACK");
        QCOMPARE(f.set->record_count(), 1);
        QVERIFY(delete_all_albums(f.set->catalogue(), &error));
    }

    // A write waits for another program that holds the file, also one that reads before it
    // writes, and then succeeds.
    void writes_wait_for_another_program_that_holds_the_file() {
        test::CatalogueFixture f;
        add_albums(*f.set, {{"Abba", "Gold"}, {"Blur", "Parklife"}});
        const std::function<bool(QString*)> writes[] = {
            [&](QString*) { return add_albums(f.set->catalogue(), {AlbumRecord{{"Doors"}}}).ok; },
            [&](QString* error) {
                f.set->edit();
                f.set->set_value(u"Year", "1999");
                return f.set->update(error);
            },
            [&](QString* error) {
                RecordsetTransaction transaction(*f.set, error);
                return f.set->catch_up(error) && f.set->delete_current(error) &&
                       transaction.commit(error);
            }};
        for (const auto& write : writes) {
            QString error;
            bool written = false;
            {
                const std::jthread held = held_by_another(f.path);
                written = write(&error);
            }
            QVERIFY2(written, qPrintable(error));
        }
    }

    // A file without any write bit opens for reading only, also for root: every write says
    // so, and the file stays as it was.
    void a_file_without_a_write_bit_is_never_written() {
        test::CatalogueFixture f;
        add_albums(*f.set, {{"Abba", "Gold"}});
        QFile::setPermissions(f.path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        const QByteArray before = f.folder.read_file("Vinylix.vnx");
        auto set = test::open_main(f.path);
        QString error;
        set->add_new();
        QVERIFY(!set->update(&error));
        QCOMPARE(error, "The catalogue file \"" + f.path + "\" is read-only.");
        QVERIFY(!delete_all_albums(set->catalogue(), &error) && error.endsWith("read-only."));
        QCOMPARE(f.folder.read_file("Vinylix.vnx"), before);
    }
};

VINYLIX_TEST(CatalogueTest)
#include "test_catalogue.moc"
