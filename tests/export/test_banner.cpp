#include "support/test_registry.h"

#include "export/banner.h"

#include <QTest>
#include <array>
#include <string_view>

using vinylix::create_ascii;

namespace {

using Rows = std::array<std::u16string_view, 9>;

QString banner_of(const Rows& rows) {
    QString banner;
    for (const std::u16string_view row : rows)
        banner += QString::fromUtf16(row.data(), static_cast<qsizetype>(row.size())) + "\r\n";
    return banner;
}

} // namespace

class BannerTest : public QObject {
    Q_OBJECT

private slots:
    void whole_banner_of_a_word() {
        const Rows expected = {
            uR"(                                                  )",
            uR"( _    _    ______    __   _    _    _    _        )",
            uR"(| |\ | |\ |_    _|\ |  \\| |\ | |\ | |\ | |\      )",
            uR"(| || | || \_|  |.\| |   \| || | ||_| || | ||      )",
            uR"(| || | ||   |  ||   | |\ ´ || |_    _|| | ||      )",
            uR"( | || ||   _|  ||   | ||\  || \_|  |\\| | ||___   )",
            uR"(  |__||   |______|\ |_|| \_||   |__||   |______|\ )",
            uR"(   \_\    \______\| \_\|  \_|   \__\|   \______\| )",
            uR"(                                                  )",
        };
        QCOMPARE(create_ascii(u"Vinyl"), banner_of(expected));
        QCOMPARE(create_ascii(u"vINYL"), banner_of(expected)); // letter case makes no difference
    }

    void characters_outside_the_font_are_skipped() {
        QCOMPARE(create_ascii(u""), QString());
        QCOMPARE(create_ascii(u"!?\u00e9\u00df"), QString("\r\n").repeated(9));
        QCOMPARE(create_ascii(u"a!b?"), create_ascii(u"ab"));
        QCOMPARE(create_ascii(u"{ç}"), create_ascii(u"{Ç}")); // in the font, in either case
    }

    // Each character of the font has a glyph, as wide in every row, so a banner's columns align.
    void every_glyph_is_as_wide_in_each_row() {
        for (const QChar c : QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ-0123456789Ç_[]{}| ")) {
            const QStringList lines =
                create_ascii(QString(c)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
            QCOMPARE(lines.size(), 9);
            for (const QString& line : lines)
                QVERIFY2(line.size() > 1 && line.size() == lines[0].size(), qPrintable(QString(c)));
        }
    }
};

VINYLIX_TEST(BannerTest)

#include "test_banner.moc"
