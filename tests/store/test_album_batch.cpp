#include "store/album_batch.h"
#include "support/albums.h"
#include "support/test_registry.h"

#include <QTest>
#include <SQLiteCpp/Database.h>

using namespace vinylix;

namespace {

AlbumRecord record(const QString& artist, const QString& album) {
    return {{artist, album, "one\r\ntwo", "Yes", "1", {}, "12"}};
}

QStringList stored(const QString& path) {
    QStringList albums;
    auto set = test::open_main(path);
    for (set->move_first(); !set->eof(); set->move_next())
        albums << set->value(u"Artist") + "/" + set->value(u"Album");
    return albums;
}

} // namespace

class AlbumBatchTest : public QObject {
    Q_OBJECT

private slots:
    void an_artists_album_in_another_letter_case_is_a_duplicate() {
        test::CatalogueFixture fixture;
        test::add_albums(*fixture.set, {{"Metallica", "Black Album"}});
        const BatchResult result =
            add_albums(fixture.set->catalogue(),
                       {record("Metallica", "BLACK album"), record("METALLICA", "Black Album"),
                        record("Abba", "Gold"), record("Abba", "gold")});
        QVERIFY(result.ok);
        using enum BatchOutcome;
        QCOMPARE(result.outcomes, (std::vector{Duplicate, Stored, Stored, Duplicate}));
        QCOMPARE(stored(fixture.path),
                 QStringList({"Abba/Gold", "Metallica/Black Album", "METALLICA/Black Album"}));
        QCOMPARE(test::stored_field(fixture.path, "Abba", "Gold", "Songs"), "one\r\ntwo");
        QCOMPARE(test::stored_field(fixture.path, "Abba", "Gold", "CD"), "12");
    }

    void a_failure_stores_none_of_the_batch() {
        test::CatalogueFixture fixture;
        fixture.set->catalogue().database().exec(
            "CREATE TRIGGER refuse BEFORE INSERT ON vinylix WHEN NEW.Artist = 'Boom' "
            "BEGIN SELECT RAISE(ABORT, 'refused by the test'); END");
        const BatchResult result =
            add_albums(fixture.set->catalogue(), {record("Abba", "Gold"), record("Boom", "Bang")});
        QVERIFY(!result.ok);
        QVERIFY(result.error.contains(fixture.path));
        QVERIFY(result.outcomes.empty());
        QCOMPARE(stored(fixture.path), QStringList());
    }
};

VINYLIX_TEST(AlbumBatchTest)

#include "test_album_batch.moc"
