#include "search/caseless_finder.h"
#include "support/test_registry.h"

#include <QTest>

using namespace vinylix;

class CaselessFinderTest : public QObject {
    Q_OBJECT
private slots:
    void finds_what_qt_finds_ignoring_case() {
        // ASCII, Latin-1, signs that fold to ASCII letters (Kelvin sign, long s), Greek final
        // sigma, German sharp s, dotted capital I, and a letter outside the BMP (Deseret).
        const QStringList texts = {
            "Love Me Do\r\nLOVELY love",
            "Ça plane pour moi, ÇA PLANE",
            "\u212Aelvin and kelvin, \u017Fong and SONG",
            "ΣΟΦΟΣ σοφος σοφοσ",
            "Straße STRASSE stra\u1E9Ee",
            "\u0130stanbul istanbul İSTANBUL",
            "\U00010400\U00010428 x \U00010428",
            "",
        };
        const QStringList needles = {
            "love", "LOVE", "ça",      "k",          "KELVIN",       "s",     "σοφος", "ς",     "ß",
            "ss",   "i",    "\u0130s", "\U00010400", "x \U00010400", "\r\nl", "e",     "Do\r\n"};
        for (const QString& text : texts) {
            for (const QString& needle : needles) {
                const CaselessFinder finder(needle);
                for (qsizetype from = 0; from <= text.size(); ++from)
                    QCOMPARE(finder.find(text, from),
                             text.indexOf(needle, from, Qt::CaseInsensitive));
            }
        }
    }

    void empty_needle_and_positions_out_of_range() {
        const CaselessFinder empty{QString()};
        QCOMPARE(empty.find(u"abc", 2), qsizetype(2));
        const CaselessFinder finder(u"bc");
        QCOMPARE(finder.find(u"abc", 2), qsizetype(-1));
        QCOMPARE(finder.find(u"abc", -1), qsizetype(-1));
        QCOMPARE(finder.find(u"ABC", 0), qsizetype(1));
    }
};

VINYLIX_TEST(CaselessFinderTest)
#include "test_caseless_finder.moc"
