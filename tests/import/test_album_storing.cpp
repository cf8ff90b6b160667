#include "support/albums.h"
#include "support/test_registry.h"

#include "import/album_storing.h"
#include "import/import_review.h"

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

} // namespace

class AlbumStoringTest : public QObject {
    Q_OBJECT

private slots:
    // Storing stops at the first selected album without a disc; a title the artist already
    // has (ignoring letter case) stays in the list and is reported; a chosen cover is kept.
    void storing_stops_at_an_album_without_disc_and_keeps_duplicates() {
        test::CatalogueFixture fixture;
        test::add_album(*fixture.set, "B", "TWO");
        ImportData data({detected("A", "One"), detected("B", "Two"), detected("C", "Three", ""),
                         detected("D", "Four")});
        data[0].cover = cover_yes;
        const StoringResult result = add_to_database(data, {3, 2, 1, 0}, fixture.set->catalogue());
        QCOMPARE(result.stored, 1);
        QCOMPARE(result.duplicates, QStringList({"B - Two"}));
        QCOMPARE(result.missing_cd, 1);
        QCOMPARE(lines(data), QStringList({"B - Two", "C - Three", "D - Four"}));
        QCOMPARE(test::stored_field(fixture.path, "A", "One", "Cover"), cover_yes);
    }

    // Apply gives every selected album disc, cover and source; year and song list only to the
    // one selected album that is also the one shown.
    void apply_gives_year_and_songs_only_to_the_one_album_shown() {
        ImportData data(
            {detected("A", "One", ""), detected("B", "Two", ""), detected("C", "3", "")});
        const ReviewEdits edits{"12", cover_yes, "1980", "typed"};
        store_information(data, {0, 1}, 0, edits, SongSource::FileNames);
        store_information(data, {2}, 0, edits, SongSource::Playlists); // not the one shown
        store_information(data, {1}, 1, edits, SongSource::Tags);
        QStringList applied;
        for (const ImportedAlbum& album : data.albums())
            applied << album.cd + album.cover + album.properties.year +
                           album.record()[Field::Songs];
        QCOMPARE(applied, QStringList({"12Yesfile names", "12Yes1980typed", "12Yesplaylists"}));
    }
};

VINYLIX_TEST(AlbumStoringTest)

#include "test_album_storing.moc"
