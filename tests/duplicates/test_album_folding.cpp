#include "support/test_registry.h"

#include "duplicates/album_folding.h"

#include <QTest>

using namespace vinylix;

class AlbumFoldingTest : public QObject {
    Q_OBJECT

private slots:
    // Two albums are the same when artist and title match ignoring letter case, accents,
    // punctuation and runs of blanks, a leading "The " of the artist, "&" for "and", and
    // qualifiers in brackets at the end of the title; a volume, a part or a later disc in those
    // brackets still tells albums apart, and a title is never dropped whole.
    void same_album_or_a_near_miss() {
        const struct {
            const char* artist_a;
            const char* title_a;
            const char* artist_b;
            const char* title_b;
            bool same;
        } cases[] = {
            {"Motörhead", "Ace of Spades", "Motorhead", "ACE OF SPADES", true},
            {"The Beatles", "Abbey Road", "Beatles", "Abbey Road", true},
            {"Simon & Garfunkel", "Bookends", "Simon and Garfunkel", "Bookends", true},
            {"AC/DC", "Back in Black", "AC - DC", "Back  In  Black!", true},
            {"Guns N' Roses", "Use Your Illusion I", "Guns 'N' Roses", "Use Your Illusion I", true},
            {"Pink Floyd", "The Wall (Remastered)", "Pink Floyd", "The Wall", true},
            {"Nirvana", "Nevermind (Deluxe Edition) [CD1]", "Nirvana", "Nevermind", true},
            {"Cure", "Disintegration [Live]", "Cure", "Disintegration", true},
            {"Cure", "[Live]", "Cure", "Live", true},
            {"Cure", "Live", "Cure", "Disintegration [Live]", false},
            {"Cure", "Live", "Cure", "Live at Leeds", false},
            {"Queen", "Greatest Hits Vol. 1", "Queen", "Greatest Hits Vol. 2", false},
            {"Helloween", "Keepers [Part II]", "Helloween", "Keepers [Part III]", false},
            {"Pink Floyd", "The Wall [CD1]", "Pink Floyd", "The Wall [CD2]", false},
            {"Beatles", "The White Album", "Beatles", "White Album", false},
            {"Theatre of Tragedy", "Aegis", "Atre of Tragedy", "Aegis", false},
            {"Unknown", "???", "Unknown", "!!!", false},
            {"The  Jimi Hendrix Experience", "Axis", "Jimi Hendrix Experience", "Axis", true},
            {"Blur", "  Parklife (Remastered) [2012] ", "Blur", "Parklife", true},
            {"Blur", "((Unbalanced)", "Blur", "(Unbalanced)", true},
            {"Blur", "", "blur", "", true},
            {"AB", "C", "A", "BC", false},
        };
        for (const auto& c : cases) {
            const bool same = album_key(c.artist_a, c.title_a) == album_key(c.artist_b, c.title_b);
            QVERIFY2(same == c.same,
                     qPrintable(QStringLiteral("%1 / %2 against %3 / %4")
                                    .arg(c.artist_a, c.title_a, c.artist_b, c.title_b)));
        }
    }
};

VINYLIX_TEST(AlbumFoldingTest)

#include "test_album_folding.moc"
