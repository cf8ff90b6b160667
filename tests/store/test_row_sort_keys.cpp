#include "store/collation.h"
#include "store/row_sort_keys.h"
#include "support/test_registry.h"

#include <QTest>

using namespace vinylix;

namespace {

int sign(int c) {
    return (c > 0) - (c < 0);
}

// Values whose keys are easy to get wrong without making them: letter case, prefixes,
// punctuation between the capitals and the small letters, a NUL, accents and other scripts
// (an Arabic-Indic three among them).
const QStringList tricky =
    QStringList{"",       "a",       "A",      "ab",        "aB",    "abc",    "ab c",    "ab_c",
                "ab[c",   "AB[C",    "Zed",    "zed",       "zebra", "~tilde", "1986",    "199",
                "01",     "Été",     "ete",    "Ete",       "été",   "Straße", "STRASSE", "Ärzte",
                "Arzte",  "Øresund", "Œuvre",  "oeuvre",    "Æther", "Łódź",   "Þór",     "ß",
                "\u0663", "Привет",  "привет", "\u00a0lead"}
    << QString("a") + QChar(0) + "b" << QString("a") + QChar(0);

RowStore rows_of(const QStringList& artists, const QStringList& albums) {
    RowStore rows;
    for (qsizetype i = 0; i < artists.size(); ++i)
        rows.append(i + 1, AlbumRecord{{artists[i], albums[i]}});
    return rows;
}

} // namespace

class RowSortKeysTest : public QObject {
    Q_OBJECT
private slots:
    // Every pair orders as the two collation keys order, plain values compared without keys;
    // where the first characters of two keys differ, they alone order the pair.
    void a_field_orders_as_its_collation_keys() {
        const RowStore rows = rows_of(tricky, tricky);
        FieldOrder order(rows, Field::Album);
        order.prepare(0, 10);
        order.prepare(10, rows.size()); // in parts, as the two threads fill it
        for (qsizetype a = 0; a < tricky.size(); ++a)
            for (qsizetype b = 0; b < tricky.size(); ++b) {
                const int expected =
                    sign(collation_key(tricky[a]).compare(collation_key(tricky[b])));
                const auto x = std::size_t(a), y = std::size_t(b);
                const bool prefixes_differ = order.prefix(x) != order.prefix(y);
                if (sign(order.compare(x, y)) != expected ||
                    (prefixes_differ && (order.prefix(x) < order.prefix(y)) != (expected < 0)))
                    QFAIL(qPrintable(QString("\"%1\" beside \"%2\"").arg(tricky[a], tricky[b])));
            }
    }

    // A ligature sorts as its letters and a stroked letter with its base letter, as the Unicode
    // root collation sorts them; a letter that collation sorts apart comes after the Z's.
    void letters_sort_as_the_root_collation_sorts_them() {
        const QStringList in_order = {"Aegis",  "Æther",   "Đorđe", "Dune",    "Łódź",
                                      "Lucky",  "Oeuvre",  "Œuvre", "Øresund", "Strasse",
                                      "Straße", "Strauss", "zoo",   "Þór",     "Привет"};
        QStringList sorted(in_order.rbegin(), in_order.rend());
        std::stable_sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
            return collation_key(a) < collation_key(b);
        });
        QCOMPARE(sorted, in_order);
        QCOMPARE(collation_key(u"ŒUVRE"), collation_key(u"œuvre")); // letter case aside, equal
    }

    // Ranks keep the keys' order, and artists equal ignoring case share a rank.
    void artist_ranks_follow_the_keys() {
        const RowStore rows = rows_of(tricky + tricky, tricky + tricky);
        const std::vector<std::uint32_t> rank = artist_ranks(rows);
        for (std::size_t a = 0; a < rows.size(); ++a)
            for (std::size_t b = 0; b < rows.size(); ++b) {
                const int expected = sign(rows.artist_key(a).compare(rows.artist_key(b)));
                QCOMPARE(sign(int(rank[a]) - int(rank[b])), expected);
            }
        QCOMPARE(rank[std::size_t(tricky.indexOf("a"))], rank[std::size_t(tricky.indexOf("A"))]);
    }
};

VINYLIX_TEST(RowSortKeysTest)
#include "test_row_sort_keys.moc"
