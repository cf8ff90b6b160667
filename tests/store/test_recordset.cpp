#include "store/album_batch.h"
#include "store/collation.h"
#include "support/albums.h"
#include "support/test_registry.h"

#include <QTest>
#include <SQLiteCpp/Database.h>
#include <tuple>

using namespace vinylix;
using vinylix::test::add_album;
using vinylix::test::add_albums;
using vinylix::test::open_main;

namespace {

// The fields named in `fields` ("Artist|Album") of each row, in the set's order.
QStringList walk(Recordset& set, const QString& fields) {
    QStringList rows;
    for (set.move_first(); !set.eof(); set.move_next()) {
        QStringList values;
        for (const QString& field : fields.split(u'|'))
            values << set.value(field);
        rows << values.join(u'|');
    }
    return rows;
}

} // namespace

class RecordsetTest : public QObject {
    Q_OBJECT
private slots:
    // A large catalogue is read in two halves and sorted on two threads: the order, the
    // artists listed and every row's fields are what one plain sort by the keys gives. Rows
    // then added, renamed or retitled go where a fresh read puts them, whatever their case.
    void a_large_catalogue_keeps_the_order_of_a_fresh_read() {
        test::CatalogueFixture f;
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
        QVERIFY(add_albums(f.set->catalogue(), albums).ok);
        std::sort(expected.begin(), expected.end());
        f.set = open_main(f.path);
        QCOMPARE(f.set->record_count(), count);
        const std::vector<long long> rowids = f.set->rowids();
        QStringList names;
        for (std::size_t i = 0; i < rowids.size(); ++i) {
            QCOMPARE(rowids[i], std::get<2>(expected[i]));
            f.set->set_absolute_position(int(i));
            QCOMPARE(f.set->value(Field::CD), QString::number(rowids[i] - 1));
            if (i == 0 || std::get<0>(expected[i]) != std::get<0>(expected[i - 1]))
                names << f.set->value(Field::Artist);
        }
        QCOMPARE(f.set->artist_names(), names);

        QString error;
        const auto in_order = [&] {
            QCOMPARE(walk(*f.set, "Artist|Album"), walk(*open_main(f.path), "Artist|Album"));
        };
        for (int round = 0; round < 2; ++round) {
            f.set->set_absolute_position(round * 6007);
            QVERIFY(f.set->edit());
            f.set->set_value(u"Artist", artists[round]);
            f.set->set_value(u"Year", QString::number(round));
            QVERIFY(f.set->update(&error));
            add_album(*f.set, artists[round + 2], "new");
            f.set->set_absolute_position(round);
            QVERIFY(f.set->delete_current(&error));
            f.set->set_absolute_position(round);
            const QString current = f.set->value(Field::CD);
            f.set->restore_order();
            QCOMPARE(f.set->value(Field::CD), current);
            in_order();
            // One row alone out of order, the current one, goes straight to its place.
            f.set->set_absolute_position(round * 7919 + 11);
            QVERIFY(f.set->edit());
            f.set->set_value(u"Album", artists[round + 4] + "!");
            QVERIFY(f.set->update(&error));
            f.set->restore_order();
            QCOMPARE(f.set->value(Field::Album), artists[round + 4] + "!");
            in_order();
        }
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
        QVERIFY(!set->find_next({"Artist", "ABBA"}) && set->no_match());
        QCOMPARE(set->value(u"Album"), QStringLiteral("Voulez-Vous"));

        QVERIFY(set->find_first({"Artist", "guns \"n\" roses"}) && !set->no_match());
        QVERIFY(!set->find_first({"Artist", "Guns"}));
        QVERIFY(!set->find_first({"NoSuchField", "x"}));
    }

    void moves_and_positions_without_running_off_either_end() {
        test::CatalogueFixture f;
        f.set->move_next(); // nothing to move to, nothing breaks
        f.set->move_previous();
        QVERIFY(f.set->eof() && f.set->bof() && f.set->value(u"Artist").isEmpty());
        QCOMPARE(f.set->absolute_position(), -1);
        add_albums(*f.set, {{"A", "x"}, {"B", "x"}, {"C", "x"}});
        auto set = open_main(f.path);
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

        QVERIFY(f.set->find_first({"Artist", "C"}) && f.set->delete_current(&error));
        QCOMPARE(f.set->value(u"Artist"), QString()); // no current record after a delete
        f.set->move_next();
        QCOMPARE(f.set->value(u"Artist"), QStringLiteral("A"));
        QCOMPARE(f.set->record_count(), 2);

        QCOMPARE(walk(*open_main(f.path), "Album"), QStringList({"a1", "b2"}));
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
        QVERIFY(f.set->delete_current(&error));
        f.set->move_next();
        QCOMPARE(f.set->value(Field::Songs), QStringLiteral("three"));
        add_album(*f.set, "C", "c", "five");
        f.set->move_last();
        QCOMPARE(f.set->value(Field::Songs), QStringLiteral("five"));

        QStringList visited;
        const auto visit = [&](int at, const QString& songs) {
            f.set->set_absolute_position(at);
            visited << f.set->value(Field::Album) + "=" + songs;
        };
        QVERIFY(f.set->for_each_song_list(visit, &error));
        // Rowids far apart, as in a file whose rows came and went for years, give the same.
        SQLite::Database(f.path.toStdString(), SQLite::OPEN_READWRITE)
            .exec("UPDATE vinylix SET rowid = rowid * 1000000000");
        f.set = open_main(f.path);
        QVERIFY(f.set->for_each_song_list(visit, &error));
        visited.sort();
        QCOMPARE(visited, QStringList({"b=three", "b=three", "c=five", "c=five"}));
    }

    void a_failed_write_is_reported_and_changes_nothing() {
        test::CatalogueFixture f;
        add_album(*f.set, "A", "a");
        auto set = open_main(f.path);
        // Another connection takes the table away: every write through the set now fails.
        SQLite::Database(f.path.toStdString(), SQLite::OPEN_READWRITE)
            .exec("ALTER TABLE vinylix RENAME TO gone");
        QVERIFY(set->edit());
        set->set_value(u"Album", "changed");
        QString error;
        QVERIFY(!set->update(&error));
        QVERIFY(error.startsWith("The catalogue file \"" + f.path + "\" could not be used"));
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
