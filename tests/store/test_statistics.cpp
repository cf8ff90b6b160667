#include "store/album_batch.h"
#include "store/album_rows.h"
#include "store/statistics.h"
#include "support/albums.h"
#include "support/test_registry.h"

#include <QTest>
#include <SQLiteCpp/Database.h>

using namespace vinylix;
using vinylix::test::add_album;

namespace {

Statistics statistics_of(const QString& path) {
    QString error;
    return compute_statistics(Catalogue::open(path, &error), &error).value();
}

} // namespace

class StatisticsTest : public QObject {
    Q_OBJECT
private slots:
    // Discs are the highest disc number plus the audio CDs, also one first in artist order;
    // artists differ by letter case; each size is rounded to hundredths, halves to the even
    // digit, as it is added (0.015 adds 0.02, where binary floating point gives 0.01).
    void counts_discs_artists_albums_and_size() {
        test::CatalogueFixture f;
        add_album(*f.set, "Abba", "Gold", {}, "1", "CDA", "0.001");
        add_album(*f.set, "Blur", "Parklife", {}, "1", "3", "10.25");
        add_album(*f.set, "Cure", "Pornography", {}, "1", "7", "20.5");
        add_album(*f.set, "Doors", "L.A. Woman", {}, "1", "CDA", "-");
        add_album(*f.set, "Eels", "Daisies", {}, "1", "5", "0.015");
        add_album(*f.set, "Faces", "Ooh La La", {}, "1", "CDA", "-");
        add_album(*f.set, "BLUR", "13", {}, "1", "x", "abc");
        add_album(*f.set, "Blur", "Think Tank", {}, "1", "1", "0.125");
        const Statistics s = statistics_of(f.path);
        QCOMPARE(s.number_of_cds, 10);
        QCOMPARE(s.number_of_albums, 8);
        QCOMPARE(s.number_of_artists, 7);
        QCOMPARE(s.total_size_text(), QStringLiteral("30.89"));
        // The same figures from the albums once read, in another order.
        QString error;
        const auto albums = read_albums(Catalogue::open(f.path, &error), Query::ByAlbum, &error);
        QCOMPARE(vinylix::statistics_of(*albums), s);
    }

    // A large catalogue is read in batches counted on another thread while the next is read:
    // names met again batches later are one artist, and no album is lost between batches.
    void a_catalogue_read_in_batches_counts_as_the_albums_read_whole() {
        test::CatalogueFixture f;
        std::vector<AlbumRecord> albums(140'000);
        for (std::size_t k = 0; k < albums.size(); ++k) {
            albums[k][Field::Artist] = QStringLiteral("Artist %1").arg(k % 70'001);
            albums[k][Field::Album] = QString::number(k);
            albums[k][Field::CD] = k % 10 == 0 ? QStringLiteral("CDA") : QString::number(k % 1000);
            albums[k][Field::Size] = QStringLiteral("0.5");
        }
        QVERIFY(add_albums(f.set->catalogue(), albums).ok);
        const Statistics s = statistics_of(f.path);
        QCOMPARE(s, vinylix::statistics_of(albums));
        QCOMPARE(s.number_of_artists, 70'001);
    }

    void huge_numbers_saturate_instead_of_overflowing() {
        test::CatalogueFixture f;
        add_album(*f.set, "A", "a", {}, "99999999999", "99999999999999999999999", "1e400");
        add_album(*f.set, "B", "b", {}, "1", "CDA", "-");
        add_album(*f.set, "C", "c", {}, "1", "2", "99999999999999999999999");
        // A sum of absurd sizes that would overflow.
        f.set->catalogue().database().exec(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 10000) "
            "INSERT INTO vinylix (Artist, Album, Cds, CD, Size) "
            "SELECT 'D', i, '1', '2', '99999999999999999999' FROM n");
        const Statistics s = statistics_of(f.path);
        QVERIFY(s.number_of_cds > 1'000'000'000'000'000'000);
        QVERIFY(s.total_size_hundredths > 0);
        QVERIFY(!s.total_size_text().contains(u'e'));
    }

    // No figures, but the reason, for a catalogue that cannot be read.
    void an_empty_catalogue_gives_zeros_and_an_unreadable_one_its_reason() {
        test::CatalogueFixture f;
        const Statistics s = statistics_of(f.path);
        QCOMPARE(s.number_of_artists + s.number_of_albums + s.number_of_cds, 0);
        QCOMPARE(s.total_size_hundredths, 0);
        QString error;
        const auto catalogue = Catalogue::open(f.path, &error);
        f.folder.write_file("Vinylix.vnx", QByteArray(8192, 'x'));
        QVERIFY(!compute_statistics(catalogue, &error) && error.endsWith("or is damaged."));
    }
};

VINYLIX_TEST(StatisticsTest)
#include "test_statistics.moc"
