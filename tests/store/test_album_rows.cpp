#include "store/album_rows.h"
#include "support/albums.h"
#include "support/test_registry.h"

#include <QTest>
#include <SQLiteCpp/Database.h>

using namespace vinylix;
using vinylix::test::add_album;

class AlbumRowsTest : public QObject {
    Q_OBJECT
private slots:
    void every_shape_comes_in_the_order_its_recordset_holds() {
        test::CatalogueFixture f;
        add_album(*f.set, "beatles", "Help", "Help!", "1", "3", "40.5", "1965");
        add_album(*f.set, "ABBA", "gold", {}, "1", "CDA", "-", "1992");
        add_album(*f.set, "Beatles", "Abbey Road", {}, "1", "3", "45", "1969");
        add_album(*f.set, "Ábba Tribute", "Gold", {}, "2", "4", "600", "");
        add_album(*f.set, "abba", "Arrival", {}, "1", "5", "38.2", "1976");
        add_album(*f.set, "Zappa", "Help", {}, "1", "5", "38.2", "1965");
        add_album(*f.set, "Ωmega", "Ärger", {}, "1", "6", "1", "1976");
        // A field stored as NULL reads as the empty text, as through a recordset.
        f.set->catalogue().database().exec("UPDATE vinylix SET Year = NULL WHERE Artist = 'Zappa'");
        QString error;
        const auto db = Catalogue::open(f.path, &error);
        for (Query query :
             {Query::Main, Query::ByArtist, Query::ByAlbum, Query::ByYear, Query::ByArtistAlbum}) {
            const auto albums = read_albums(db, query, &error);
            QVERIFY2(albums, qPrintable(error));
            const auto set = Recordset::open(db, query, &error);
            QCOMPARE(albums->size(), std::size_t(set->record_count()));
            std::size_t row = 0;
            for (set->move_first(); !set->eof(); set->move_next())
                QVERIFY((*albums)[row++].fields == set->record().fields);
        }
        // Album order: by title alone, ties in the table's order.
        QStringList artists;
        const auto by_album = read_albums(db, Query::ByAlbum, &error);
        for (const AlbumRecord& album : *by_album)
            artists << album[Field::Artist];
        QCOMPARE(artists, QStringList({"Beatles", "Ωmega", "abba", "ABBA", "Ábba Tribute",
                                       "beatles", "Zappa"}));
    }
};

VINYLIX_TEST(AlbumRowsTest)
#include "test_album_rows.moc"
