#include "browse/browser.h"
#include "store/album_lookup.h"
#include "support/albums.h"
#include "support/test_registry.h"

#include <QTest>

using namespace vinylix;
using vinylix::test::add_album;

class BrowserTest : public QObject {
    Q_OBJECT
private slots:
    void finds_the_artists_own_album_even_at_the_top_of_the_catalogue() {
        test::CatalogueFixture f;
        add_album(*f.set, "Abba", "Greatest Hits", "abba songs");
        add_album(*f.set, "Abba", "Waterloo");
        add_album(*f.set, "Queen", "Greatest Hits", "queen songs");
        f.set = test::open_main(f.path);
        // The first record of the whole catalogue is the album asked for; another artist's
        // album of the same title further down must not be taken instead.
        QVERIFY(position_on_album(*f.set, "Abba", "Greatest Hits"));
        QCOMPARE(f.set->value(u"Songs"), QStringLiteral("abba songs"));
        QVERIFY(position_on_album(*f.set, "queen", "greatest hits"));
        QCOMPARE(f.set->value(u"Songs"), QStringLiteral("queen songs"));
        QVERIFY(!position_on_album(*f.set, "Queen", "Waterloo"));
    }

    void a_count_that_is_no_number_shows_the_text_as_stored() {
        AlbumRecord a;
        a[Field::Songs] = "== CD 1 ==\r\nx";
        a[Field::Cds] = "abc";
        const AlbumDisplay d = album_display(a);
        QVERIFY(!d.multi);
        QCOMPARE(d.songs, a[Field::Songs]);
        QCOMPARE(d.caption, QStringLiteral("Song List"));
    }
};

VINYLIX_TEST(BrowserTest)
#include "test_browser.moc"
