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
            "\u212Aelvin and kelvin, \u017Fong",
            "ΣΟΦΟΣ σοφος σοφοσ",
            "Straße STRASSE stra\u1E9Ee",
            "\u0130stanbul istanbul İSTANBUL",
            "\U00010400\U00010428 x \U00010428",
            "aaabaab abababab AaBaAb",
            "",
        };
        const QStringList needles = {"",     "love",  "LOVE",   "ça",         "KELVIN",       "s",
                                     "ς",    "σοφος", "ß",      "ss",         "\u0130s",      "i",
                                     "e",    "\r\nl", "Do\r\n", "\U00010400", "x \U00010400", "aab",
                                     "abab", "aa"};
        for (const QString& text : texts) {
            for (const QString& needle : needles) {
                const CaselessFinder finder(needle);
                std::vector<qsizetype> all;
                for (qsizetype from = 0; from <= text.size() + 1; ++from) {
                    const qsizetype at = text.indexOf(needle, from, Qt::CaseInsensitive);
                    QCOMPARE(finder.find(text, from), at);
                    if (at == from && !needle.isEmpty())
                        all.push_back(at);
                }
                QCOMPARE(finder.find_all(text), all); // every occurrence, overlapping too
            }
        }
    }
};

VINYLIX_TEST(CaselessFinderTest)
#include "test_caseless_finder.moc"
