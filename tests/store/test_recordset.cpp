#include "store/album_batch.h"
#include "store/collation.h"
#include "store/recordset.h"
#include "support/albums.h"
#include "support/temp_folder.h"
#include "support/test_registry.h"

#include <QTest>
#include <SQLiteCpp/Database.h>
#include <tuple>

using namespace vinylix;
using vinylix::test::add_album;
using vinylix::test::add_albums;
using vinylix::test::open_main;

namespace {

QStringList walk(Recordset& set, const char* field) {
    QStringList values;
    for (set.move_first(); !set.eof(); set.move_next())
        values << set.value(QString::fromLatin1(field));
    return values;
}

} // namespace

class RecordsetTest : public QObject {
    Q_OBJECT
private slots:
    // A large catalogue is read in two halves and sorted on two threads: the order, the
    // artists listed and every row's fields are what one plain sort by the keys gives.
    void a_large_catalogue_read_on_two_threads_is_in_order() {
        test::TempFolder folder;
        const QString path = folder.make_catalogue();
        const QStringList artists = {"Ábba", "abba", "Blur", "ABBA", "Œuvre", "Oeuvre", "Øl"};
        const int count = 20000;
        std::vector<AlbumRecord> albums(count);
        std::vector<std::tuple<QString, QString, long long>> expected;
        for (int i = 0; i < count; ++i) {
            const QString artist = artists[i % artists.size()] + QString::number(i % 97);
            const QString album = (i % 3 ? "album " : "Älbum ") + QString::number(i * 7919 % count);
            albums[std::size_t(i)] = {{artist, album, {}, {}, "1", {}, QString::number(i)}};
            expected.emplace_back(collation_key(artist), collation_key(album), i + 1);
        }
        QString error;
        auto catalogue = Catalogue::open(path, &error);
        QVERIFY(add_albums(*catalogue, albums).ok);
        std::sort(expected.begin(), expected.end());
        auto set = open_main(path);
        QCOMPARE(set->record_count(), count);
        const std::vector<long long> rowids = set->rowids();
        QStringList names;
        for (std::size_t i = 0; i < rowids.size(); ++i) {
            QCOMPARE(rowids[i], std::get<2>(expected[i]));
            set->set_absolute_position(int(i));
            QCOMPARE(set->value(Field::CD), QString::number(rowids[i] - 1));
            if (i == 0 || std::get<0>(expected[i]) != std::get<0>(expected[i - 1]))
                names << set->value(Field::Artist);
        }
        QCOMPARE(set->artist_names(), names);
    }

    void finds_across_letter_cases_and_with_quotes() {
        test::CatalogueFixture f;
        add_album(*f.set, "Guns \"N\" Roses", "Appetite");
        add_albums(*f.set, {{"ABBA", "Gold"}, {"abba", "Arrival"}, {"Abba", "Voulez-Vous"}});
        auto set = open_main(f.path);

        QVERIFY(set->find_first({"artist", "aBbA"}));
        QCOMPARE(set->value(u"Album"), QStringLiteral("Arrival"));
        QVERIFY(set->find_next({"Artist", "ABBA"}));
        QCOMPARE(set->value(u"album"), QStringLiteral("Gold"));
        QVERIFY(set->find_next({"Artist", "ABBA"}));
        QCOMPARE(set->value(1), QStringLiteral("Voulez-Vous"));
        // No further match: the cursor stays on the last record found.
        QVERIFY(!set->find_next({"Artist", "ABBA"}));
        QVERIFY(set->no_match());
        QCOMPARE(set->value(u"Album"), QStringLiteral("Voulez-Vous"));

        QVERIFY(set->find_first({"Artist", "guns \"n\" roses"}));
        QVERIFY(!set->no_match());
        QCOMPARE(set->value(u"Album"), QStringLiteral("Appetite"));
        QVERIFY(!set->find_first({"Artist", "Guns"}));
        QVERIFY(!set->find_first({"NoSuchField", "x"}));
    }

    void moves_and_positions_without_running_off_either_end() {
        test::CatalogueFixture f;
        QVERIFY(f.set->eof() && f.set->bof());
        QCOMPARE(f.set->absolute_position(), -1);
        f.set->move_next(); // nothing to move to, nothing breaks
        f.set->move_previous();
        QCOMPARE(f.set->value(u"Artist"), QString());
        add_albums(*f.set, {{"A", "x"}, {"B", "x"}, {"C", "x"}});
        auto set = open_main(f.path);
        QCOMPARE(set->absolute_position(), 0);
        set->move_last();
        set->move_next();
        set->move_next();
        QVERIFY(set->eof());
        set->move_previous();
        QCOMPARE(set->value(u"Artist"), QStringLiteral("C"));
        set->move_first();
        set->move_previous();
        QVERIFY(set->bof());
        QCOMPARE(set->absolute_position(), -1);
        set->set_absolute_position(1);
        QCOMPARE(set->value(u"Artist"), QStringLiteral("B"));
    }

    void added_edited_and_deleted_rows_show_at_once_and_reach_the_file() {
        test::CatalogueFixture f;
        add_albums(*f.set, {{"B", "b1"}, {"C", "c1"}});
        f.set->move_first();
        add_album(*f.set, "A", "a1"); // appears at the end until a reload
        QCOMPARE(walk(*f.set, "Artist"), QStringList({"B", "C", "A"}));

        f.set->move_first();
        QVERIFY(f.set->edit());
        QVERIFY(f.set->set_value(u"ALBUM", "b2"));
        QCOMPARE(f.set->value(u"Album"), QStringLiteral("b2")); // read from the edit buffer
        QString error;
        QVERIFY(f.set->update(&error));
        QCOMPARE(walk(*f.set, "Album"), QStringList({"b2", "c1", "a1"}));

        QVERIFY(f.set->find_first({"Artist", "C"}));
        QVERIFY(f.set->delete_current(&error));
        QCOMPARE(f.set->value(u"Artist"), QString()); // no current record after a delete
        f.set->move_next();
        QCOMPARE(f.set->value(u"Artist"), QStringLiteral("A"));
        QCOMPARE(f.set->record_count(), 2);

        auto reopened = open_main(f.path);
        QCOMPARE(walk(*reopened, "Album"), QStringList({"a1", "b2"}));
    }

    // Rows deleted or edited inside a transaction that is not committed come back, in the
    // file and in the recordset alike: the recordset never shows what the file does not hold.
    void a_rolled_back_bulk_change_leaves_the_recordset_equal_to_the_file() {
        test::CatalogueFixture f;
        for (int i = 0; i < 5; ++i)
            add_album(*f.set, QString::number(i), "x");
        f.set->move_last();
        QString error;
        {
            RecordsetTransaction rollback(*f.set, &error);
            QVERIFY(rollback.ok());
            f.set->move_first();
            QVERIFY(f.set->edit());
            f.set->set_value(u"Album", "changed");
            QVERIFY(f.set->update(&error));
            for (f.set->move_next(); !f.set->eof(); f.set->move_next())
                QVERIFY(f.set->delete_current(&error));
            QCOMPARE(f.set->record_count(), 1);
        } // not committed
        QCOMPARE(walk(*f.set, "Artist"), walk(*open_main(f.path), "Artist"));
        QCOMPARE(walk(*f.set, "Album"), QStringList(5, "x"));

        {
            RecordsetTransaction transaction(*f.set, &error);
            for (f.set->move_first(); !f.set->eof(); f.set->move_next())
                QVERIFY(f.set->delete_current(&error));
            QVERIFY(transaction.commit(&error));
        }
        QCOMPARE(f.set->record_count(), 0);
        QCOMPARE(open_main(f.path)->record_count(), 0);
    }

    // Song lists stay in the file until asked for: what is read is always the row's own list,
    // after an edit, a deletion or an addition.
    void song_lists_are_read_on_demand_from_the_rows_own_record() {
        test::CatalogueFixture f;
        add_album(*f.set, "A", "a", "one\r\ntwo");
        add_album(*f.set, "B", "b", "three");
        f.set = open_main(f.path);
        QCOMPARE(f.set->value(Field::Songs), QStringLiteral("one\r\ntwo"));
        QVERIFY(f.set->edit());
        f.set->set_value(u"Year", "1999"); // the songs are written back as they were
        QString error;
        QVERIFY(f.set->update(&error));
        QCOMPARE(open_main(f.path)->value(Field::Songs), QStringLiteral("one\r\ntwo"));
        QVERIFY(f.set->edit());
        f.set->set_value(u"Songs", "four");
        QVERIFY(f.set->update(&error));
        QCOMPARE(f.set->value(Field::Songs), QStringLiteral("four"));
        QCOMPARE(f.set->record()[Field::Songs], QStringLiteral("four"));
        QVERIFY(f.set->delete_current(&error));
        f.set->move_next();
        QCOMPARE(f.set->value(Field::Songs), QStringLiteral("three"));
        add_album(*f.set, "C", "c", "five");
        f.set->move_last();
        QCOMPARE(f.set->value(Field::Songs), QStringLiteral("five"));

        const auto visited = [&] {
            QStringList albums;
            [&] {
                QVERIFY(f.set->for_each_song_list(
                    [&](int at, const QString& songs) {
                        f.set->set_absolute_position(at);
                        albums << f.set->value(Field::Album) + "=" + songs;
                    },
                    &error));
            }();
            albums.sort();
            return albums;
        };
        QCOMPARE(visited(), QStringList({"b=three", "c=five"}));
        // Rowids far apart, as in a file whose rows came and went for years, give the same.
        SQLite::Database(f.path.toStdString(), SQLite::OPEN_READWRITE)
            .exec("UPDATE vinylix SET rowid = rowid * 1000000000");
        f.set = open_main(f.path);
        QCOMPARE(visited(), QStringList({"b=three", "c=five"}));
    }

    // Rows added, renamed or retitled go where a fresh read of the file puts them, whatever
    // letter case or accents their names have.
    void restoring_the_order_equals_a_fresh_read() {
        test::CatalogueFixture f;
        const QStringList names = {"abba",  "ABBA", "Ábba", "Abba", "björk", "Björk", "Bjork",
                                   "zappa", "Éric", "eric", "Zoë",  "AC/DC", "a"};
        for (int i = 0; i < 40; ++i)
            add_album(*f.set, names[i % names.size()], names[(i * 7) % names.size()] + "s");
        f.set = open_main(f.path);
        const auto order = [](Recordset& set) {
            QStringList rows;
            for (set.move_first(); !set.eof(); set.move_next())
                rows << set.value(Field::Artist) + "|" + set.value(Field::Album) + "|" +
                            set.value(Field::Year);
            return rows;
        };
        QString error;
        for (int round = 0; round < 12; ++round) {
            f.set->set_absolute_position((round * 11) % f.set->record_count());
            QVERIFY(f.set->edit());
            f.set->set_value(u"Artist", names[(round * 5) % names.size()]);
            f.set->set_value(u"Year", QString::number(round));
            QVERIFY(f.set->update(&error));
            add_album(*f.set, names[(round * 3) % names.size()], "new");
            if (round % 3 == 0) {
                f.set->set_absolute_position(round);
                QVERIFY(f.set->delete_current(&error));
            }
            f.set->set_absolute_position(round);
            const QString current = f.set->value(Field::Year) + f.set->value(Field::Album);
            f.set->restore_order();
            QCOMPARE(f.set->value(Field::Year) + f.set->value(Field::Album), current);
            QCOMPARE(order(*f.set), order(*open_main(f.path)));
            // One row alone out of order, the current one, goes straight to its place.
            f.set->set_absolute_position((round * 13) % f.set->record_count());
            QVERIFY(f.set->edit());
            f.set->set_value(u"Album", names[(round * 3) % names.size()] + "!");
            QVERIFY(f.set->update(&error));
            const QString edited = f.set->value(Field::Artist) + f.set->value(Field::Album);
            f.set->restore_order();
            QCOMPARE(f.set->value(Field::Artist) + f.set->value(Field::Album), edited);
            QCOMPARE(order(*f.set), order(*open_main(f.path)));
        }
    }

    void a_failed_write_is_reported_and_changes_nothing() {
        test::TempFolder folder;
        const QString path = folder.make_catalogue();
        add_album(*open_main(path), "A", "a");
        auto set = open_main(path);
        // Another connection takes the table away: every write through the set now fails.
        SQLite::Database other(path.toStdString(), SQLite::OPEN_READWRITE);
        other.exec("ALTER TABLE vinylix RENAME TO gone");
        QVERIFY(set->edit());
        set->set_value(u"Album", "changed");
        QString error;
        QVERIFY(!set->update(&error));
        QVERIFY(error.startsWith("The catalogue file \"" + path + "\" could not be used"));
        set->cancel_update();
        QVERIFY(!set->delete_current(&error));
        set->add_new();
        QVERIFY(!set->update(&error));
        set->cancel_update();
        QCOMPARE(set->value(u"Album"), QStringLiteral("a"));
        QCOMPARE(set->record_count(), 1);
    }

    // Another program deletes the albums and adds one, which takes the rowid of one of them:
    // a write on an album as read changes nothing and says why. The rows are known to be out
    // of date until they are read again; their own writes keep them up to date.
    void a_write_on_an_album_another_program_took_away_changes_nothing() {
        test::CatalogueFixture f;
        add_albums(*f.set, {{"Abba", "Gold"}, {"Blur", "Parklife"}});
        SQLite::Database(f.path.toStdString(), SQLite::OPEN_READWRITE)
            .exec("DELETE FROM vinylix; INSERT INTO vinylix (Artist, Album) VALUES ('Cure', 'x')");
        QVERIFY(f.set->changed_elsewhere());
        QString error;
        for (f.set->move_first(); !f.set->eof(); f.set->move_next()) {
            QVERIFY(f.set->edit());
            f.set->set_value(u"Year", "2000");
            QVERIFY(!f.set->update(&error));
            f.set->cancel_update();
            QVERIFY(!f.set->delete_current(&error));
        }
        QCOMPARE(error, "The album \"Blur - Parklife\" is no longer in the catalogue file \"" +
                            f.path + "\": another program has deleted or changed it.");
        QCOMPARE(test::stored_field(f.path, "Cure", "x", "Year"), QString());
        QVERIFY(f.set->catch_up(&error));
        QCOMPARE(walk(*f.set, "Artist"), QStringList({"Cure"}));
        add_album(*f.set, "Doors", "L.A. Woman");
        QVERIFY(!f.set->changed_elsewhere());
    }
};

VINYLIX_TEST(RecordsetTest)
#include "test_recordset.moc"
