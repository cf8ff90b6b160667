#include "support/albums.h"
#include "support/test_registry.h"

#include "import/album_storing.h"

#include <QTest>

using namespace vinylix;

namespace {

ImportedAlbum detected(const QString& artist, const QString& album, const QString& cd = "7") {
    ImportedAlbum made;
    made.artist = artist;
    made.album = album;
    made.cd = cd;
    made.chosen = SongSource::Tags;
    made.properties.songs = {"file names", "playlists", "tags"};
    made.properties.cds = "1";
    return made;
}

QStringList lines(const ImportData& data) {
    QStringList shown;
    for (const ImportedAlbum& album : data.albums())
        shown << album.line();
    return shown;
}

QStringList stored(const QString& path) {
    QStringList albums;
    auto set = test::open_main(path);
    for (set->move_first(); !set->eof(); set->move_next())
        albums << set->value(u"Artist") + " - " + set->value(u"Album") + " #" + set->value(u"CD") +
                      " " + set->value(u"Cover") + " " + set->value(u"Songs");
    return albums;
}

} // namespace

class AlbumStoringTest : public QObject {
    Q_OBJECT

private slots:
    void every_selected_album_is_stored_and_leaves_the_list() {
        test::CatalogueFixture fixture;
        ImportData data({detected("A", "One"), detected("B", "Two"), detected("C", "Three"),
                         detected("D", "Four")});
        data[1].cover = cover_yes;
        const StoringResult result = add_to_database(data, {3, 0, 1}, fixture.set->catalogue());
        QCOMPARE(result.stored, 3);
        QCOMPARE(lines(data), QStringList({"C - Three"}));
        QVERIFY(result.still_selected.empty() && result.duplicates.isEmpty());
        QCOMPARE(result.missing_cd, -1);
        // The chosen source's list, and "No" for the cover nobody chose.
        QCOMPARE(stored(fixture.path),
                 QStringList({"A - One #7 No tags", "B - Two #7 Yes tags", "D - Four #7 No tags"}));
    }

    // Storing stops at the first selected album without a disc; a title the artist already
    // has (ignoring letter case) stays in the list and is reported.
    void storing_stops_at_an_album_without_disc_and_keeps_duplicates() {
        test::CatalogueFixture fixture;
        test::add_album(*fixture.set, "B", "TWO");
        ImportData data({detected("A", "One"), detected("B", "Two"), detected("C", "Three", ""),
                         detected("D", "Four")});
        const StoringResult result = add_to_database(data, {0, 1, 2, 3}, fixture.set->catalogue());
        QCOMPARE(result.stored, 1);
        QCOMPARE(result.duplicates, QStringList({"B - Two"}));
        QCOMPARE(result.missing_cd, 1);
        QCOMPARE(lines(data), QStringList({"B - Two", "C - Three", "D - Four"}));
    }
};

VINYLIX_TEST(AlbumStoringTest)

#include "test_album_storing.moc"
