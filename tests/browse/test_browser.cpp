#include "browse/browser.h"
#include "support/albums.h"
#include "support/temp_folder.h"
#include "support/test_registry.h"

#include <QTest>

using namespace vinylix;
using vinylix::test::add_album;

class BrowserTest : public QObject {
    Q_OBJECT
private slots:
    void lists_an_artists_albums_in_title_order_across_letter_cases() {
        test::TempFolder folder;
        const QString path = folder.make_catalogue();
        auto set = test::open_main(path);
        add_album(*set, "Queen", "Jazz");
        add_album(*set, "QUEEN", "A Night at the Opera");
        add_album(*set, "Abba", "Gold");
        add_album(*set, "queen", "Innuendo");
        add_album(*set, "Queens of the Stone Age", "Rated R");
        set = test::open_main(path);
        QCOMPARE(albums_of_artist(*set, "Queen"),
                 QStringList({"A Night at the Opera", "Innuendo", "Jazz"}));
        QCOMPARE(albums_of_artist(*set, "Nobody"), QStringList());
    }

    void finds_the_artists_own_album_even_at_the_top_of_the_catalogue() {
        test::TempFolder folder;
        const QString path = folder.make_catalogue();
        auto set = test::open_main(path);
        add_album(*set, "Abba", "Greatest Hits", "abba songs");
        add_album(*set, "Abba", "Waterloo");
        add_album(*set, "Queen", "Greatest Hits", "queen songs");
        set = test::open_main(path);
        // The first record of the whole catalogue is the album asked for; another artist's
        // album of the same title further down must not be taken instead.
        QVERIFY(position_on_album(*set, "Abba", "Greatest Hits"));
        QCOMPARE(set->value(u"Songs"), QStringLiteral("abba songs"));
        QVERIFY(position_on_album(*set, "queen", "greatest hits"));
        QCOMPARE(set->value(u"Songs"), QStringLiteral("queen songs"));
        QVERIFY(!position_on_album(*set, "Queen", "Waterloo"));
    }

    void an_albums_display_texts() {
        AlbumRecord a;
        a[Field::Songs] = "== CD 1 ==\r\none\r\n\r\n== CD 2 ==\r\ntwo";
        a[Field::Cds] = "2";
        a[Field::CD] = "CDA";
        a[Field::Size] = "-";
        a[Field::Kbps] = "-";
        a[Field::Year] = "1999";
        a[Field::Cover] = "Yes";
        AlbumDisplay d = album_display(a);
        QVERIFY(d.multi);
        QCOMPARE(d.cd_texts, QStringList({"one", "two"}));
        QCOMPARE(d.songs, QStringLiteral("one"));
        QCOMPARE(d.caption, QStringLiteral("Song List [CD 1/2]"));
        QCOMPARE(d.panels[0], QStringLiteral("CD #CDA"));
        QCOMPARE(d.panels[1], QStringLiteral("Size: -"));
        QCOMPARE(d.panels[2], QStringLiteral("Bitrate: -"));
        QCOMPARE(d.panels[5], QStringLiteral("# of Cds: 2"));

        a[Field::Songs].clear(); // several CDs but nothing to split
        d = album_display(a);
        QVERIFY(!d.multi);
        QCOMPARE(d.caption, QStringLiteral("Song List"));

        a[Field::Songs] = "== CD 1 ==\r\nx";
        a[Field::Cds] = "abc"; // not a number: one CD, the text as stored
        d = album_display(a);
        QVERIFY(!d.multi);
        QCOMPARE(d.songs, a[Field::Songs]);
    }
};

VINYLIX_TEST(BrowserTest)
#include "test_browser.moc"
