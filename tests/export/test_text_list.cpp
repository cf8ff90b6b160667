#include "support/test_registry.h"

#include "export/banner.h"
#include "export/text_list.h"
#include "sample_albums.h"

#include <QTest>

using namespace vinylix;
using test::album;
using test::three_albums;

namespace {

const QString credit =
    QStringLiteral("\r\n\r\n\tThis Mp3 List was created with Vinylix 5.0 [Trackwright] "
                   "https://vinylix.example.org/\r\n");

// Lines written with "⇥" for the tab and "\n" for the line end, as the file has them.
QString lines(const char* text) {
    return QString::fromUtf8(text)
        .replace(u'⇥', u'\t')
        .replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
}

QString list_of(const ExportOptions& options, const std::vector<AlbumRecord>& albums,
                const Statistics* statistics = nullptr) {
    return QString::fromUtf8(get_txt_list(options, albums, statistics, u'.'));
}

// The album lines: those between the header's underline and the first empty line.
QStringList album_lines(const QString& list) {
    const QStringList all = list.split(QStringLiteral("\r\n"));
    qsizetype first = 0;
    while (first < all.size() && !all[first].startsWith(QStringLiteral("\t|\u00AF")))
        ++first;
    QStringList found;
    for (qsizetype i = first + 1; i < all.size() && !all[i].isEmpty(); ++i)
        found << all[i];
    return found;
}

} // namespace

class TextListTest : public QObject {
    Q_OBJECT

private slots:
    void worked_example_byte_for_byte() {
        ExportOptions o = test::nothing_ticked(ListKind::Text);
        o.year = o.cover = o.kbps = o.cdnr = o.size = true;
        o.nickname = QStringLiteral("Zed"); // not enabled: no title
        const QByteArray list = get_txt_list(o, three_albums(), nullptr, u'.');
        const QString expected = QStringLiteral("\r\n\r\n\r\n") +
                                 lines(R"(⇥| Artist| Album   | Year - Cover - Kbps - CD # - Size
⇥|¯¯¯¯¯¯¯|¯¯¯¯¯¯   |¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯¯
⇥| Arlo | Dune    | 1992 - Y - 128 - 12 - 650,5
⇥| Quill| Nocturne|        N - 192 - 07 - 1200
⇥| Quill| Echo    | Original CD
)") + credit;
        QCOMPARE(list, expected.toUtf8());
        QVERIFY(list.contains("\xC2\xAF")); // the macron as UTF-8
    }

    void cover_zero_fill_and_the_audio_cd_column() {
        ExportOptions o = test::nothing_ticked(ListKind::Text);
        o.cover = o.nrofcds = o.cdnr = 1;
        const std::vector<AlbumRecord> albums = {
            album("A", "a", "yes", "1", "", "3"), album("A", "b", "YES", "12", "", "CDA"),
            album("A", "c", "Yes", "1", "", "CDA"), album("A", "d", "no", "1", "", "10"),
            album("A", "e", "", "1", "", "7")};
        // "CDA" is left out of the CD column's width (2 here) and kept whole.
        QCOMPARE(album_lines(list_of(o, albums)),
                 QStringList({"\t| A| a| Y - 01 - 03", "\t| A| b| Y - 12 - CDA",
                              "\t| A| c| Y - 01 - CDA", "\t| A| d| N - 01 - 10",
                              "\t| A| e| N - 01 - 07"}));
        // A wider column fills an audio CD with zeros like any other value.
        QCOMPARE(album_lines(list_of(o, {album("A", "a", "", "1", "", "1234"),
                                         album("A", "b", "", "1", "", "CDA")}))
                     .last(),
                 QStringLiteral("\t| A| b| N - 1 - 0CDA"));
    }

    void names_longer_than_the_header_widen_it_and_are_never_cut() {
        const QString list =
            list_of(test::nothing_ticked(ListKind::Text),
                    {album("The Very Long Artist", "X"), album("Ö", "An album called Ünïcode 😀")});
        QVERIFY(list.contains(
            QStringLiteral("\t| Artist              | Album                    \r\n")));
        QCOMPARE(
            album_lines(list),
            QStringList({"\t| The Very Long Artist| X                        ",
                         QStringLiteral("\t| Ö                   | An album called Ünïcode 😀")}));
    }

    // A control character in a value is written as a space, so every album keeps its one line
    // and its columns; the stored value is not changed.
    void control_characters_are_written_as_spaces() {
        ExportOptions o = test::nothing_ticked(ListKind::Text);
        o.year = o.nickstatus = o.emailstatus = true;
        o.nickname = QStringLiteral("Z\u0001");
        o.email = QStringLiteral("z@x\r\n.org");
        const QString nul(1, QChar(u'\0'));
        const std::vector<AlbumRecord> albums = {album("a\r\nb",
                                                       QStringLiteral("C1 \u0085 \u0096 \u009F"),
                                                       {}, {}, {}, {}, {}, "19\t92"),
                                                 album("Arlo", "Dune\x7f" + nul)};
        QCOMPARE(get_txt_list(o, albums, nullptr, u'.'),
                 (create_ascii(u"Z ") + "Z 's Mp3 List\r\nz@x  .org\r\n\r\n\r\n" +
                  lines(R"(⇥| Artist| Album   | Year
⇥|¯¯¯¯¯¯¯|¯¯¯¯¯¯   |¯¯¯¯¯¯¯
⇥| a  b| C1      | 19 92
⇥| Arlo| Dune    |     
)") + credit)
                     .toUtf8());
    }

    void statistics_block_follows_the_last_album_line() {
        const Statistics figures{2, 3, 9, 185050};
        const QByteArray list =
            get_txt_list(test::nothing_ticked(ListKind::Text), {album("A", "a")}, &figures, u',');
        QVERIFY(QString::fromUtf8(list).endsWith(
            lines("⇥| A| a\n⇥| Statistics\n⇥|¯¯¯¯¯¯¯¯¯¯¯\n⇥| # of Artists: 2\n⇥| # de Albums: 3\n"
                  "⇥| # of Cds: 9\n⇥| Total Size (MB): 1850,5\n\n") +
            credit));
    }
};

VINYLIX_TEST(TextListTest)
#include "test_text_list.moc"
