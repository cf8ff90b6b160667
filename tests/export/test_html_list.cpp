#include "support/test_registry.h"

#include "export/html_list.h"
#include "sample_albums.h"

#include <QTest>

using namespace vinylix;
using test::album;

namespace {

const QByteArray style_block =
    "<HTML><HEAD><STYLE>a:link{color:black; text-decoration:none}a:visited{color:black; "
    "text-decoration:none}a:hover{color:red; text-decoration:none}.top {font: 8pt Tahoma; "
    "color:white; font-weight: bold}.norm {font: 8pt Tahoma; color:black}</STYLE></HEAD><BODY "
    "BGCOLOR=WHITE TEXT=BLACK>";
const QByteArray table_start =
    "<TABLE BORDER=1 BORDERCOLOR=WHITE WIDTH=100% CELLPADDING=2><TR><TD BORDERCOLOR=BLACK "
    "BGCOLOR=#406F90><FONT CLASS=\"top\">Artist</TD><TD BORDERCOLOR=BLACK BGCOLOR=#406F90><FONT "
    "CLASS=\"top\">Album</TD>";
const QByteArray credit =
    "<HR WIDTH=100% SIZE=1 COLOR=#406F90><CENTER><FONT FACE=\"Tahoma\"SIZE=1><A "
    "HREF=\"https://vinylix.example.org/\">List created with Vinylix - "
    "Trackwright</A></FONT></CENTER></BODY></HTML>\r\n";

QByteArray page_of(const ExportOptions& options, const std::vector<AlbumRecord>& albums,
                   const Statistics* statistics = nullptr) {
    return get_html_list(options, albums, statistics, u'.');
}

// The cells of a two-cell row, shaded or not.
QByteArray plain_row(const QByteArray& artist, const QByteArray& title, bool shaded) {
    const QByteArray shade = shaded ? " BGCOLOR=#CCEAF1 " : " ";
    return "<TR><TD BORDERCOLOR=#ACC8DC" + shade + "><FONT CLASS=\"norm\">" + artist +
           "</TD><TD BORDERCOLOR=#ACC8DC" + shade + "><FONT CLASS=\"norm\">" + title + "</TD></TR>";
}

} // namespace

class HtmlListTest : public QObject {
    Q_OBJECT

private slots:
    // Each ticked field has its centred column; cells hold the stored values (no Y/N, no
    // zeros, an empty value an empty cell), the size with a decimal comma; rows alternate shade.
    void columns_hold_the_stored_values() {
        ExportOptions o = test::nothing_ticked(ListKind::Html);
        o.cover = o.nrofcds = o.kbps = o.cdnr = o.size = 1;
        const QByteArray page = page_of(o, {album("A", "a", "Yes", "1", "128", "1", "650.5"),
                                            album("B", "b", "", "", "-", "CDA", "-")});
        const auto head = [](const char* name) {
            return "<TD BORDERCOLOR=BLACK BGCOLOR=#406F90 ALIGN=CENTER><FONT CLASS=\"top\">" +
                   QByteArray(name) + "</TD>";
        };
        const auto cell = [](const char* shade, const char* value) {
            return "<TD BORDERCOLOR=#ACC8DC" + QByteArray(shade) +
                   "ALIGN=CENTER><FONT CLASS=\"norm\">" + value + "</TD>";
        };
        const char* const on = " BGCOLOR=#CCEAF1 ";
        QVERIFY(page.startsWith(style_block + table_start + head("Cover") + head("Cds") +
                                head("Kbps") + head("CD") + head("Size") + "</TR>"));
        QVERIFY(page.contains(plain_row("A", "a", true).chopped(5) + cell(on, "Yes") +
                              cell(on, "1") + cell(on, "128") + cell(on, "1") + cell(on, "650,5") +
                              "</TR>"));
        QVERIFY(page.contains(cell(" ", "") + cell(" ", "") + cell(" ", "-") + cell(" ", "CDA") +
                              cell(" ", "-") + "</TR></TABLE>" + credit));
    }

    void nickname_and_email_pieces_follow_their_boxes() {
        ExportOptions o = test::nothing_ticked(ListKind::Html);
        o.nickname = QStringLiteral("Zed"); // the box is not ticked: no heading
        o.email = QStringLiteral("zed@example.org");
        QVERIFY(page_of(o, {}).startsWith(style_block + table_start));
        o.nickstatus = true;
        o.nickname.clear(); // ticked with an empty nickname: the heading all the same
        o.emailstatus = true;
        QVERIFY(page_of(o, {}).startsWith(
            style_block +
            "<FONT FACE=\"Impact\"SIZE=7></FONT><BR><HR WIDTH=100% SIZE=1 COLOR=#406F90>"
            "<DIV ALIGN=RIGHT><FONT FACE=\"Tahoma\"SIZE=2><A "
            "HREF=\"mailto:zed@example.org\">zed@example.org</A></FONT><P></DIV>" +
            table_start));
    }

    void every_value_is_escaped_and_ascii() {
        ExportOptions o = test::nothing_ticked(ListKind::Html);
        o.nickstatus = o.emailstatus = o.year = true;
        o.nickname = QStringLiteral("Zoë <b>&\"");
        o.email = QStringLiteral("a\"><script>@x");
        const QByteArray page =
            page_of(o, {album(QStringLiteral("Björk & <i>"), QStringLiteral("\"Post\" 😀"), {}, {},
                              {}, {}, {}, QStringLiteral("<1995>"))});
        QVERIFY(page.contains(">Zo&#235; &lt;b&gt;&amp;&quot;</FONT>"));
        QVERIFY(page.contains("HREF=\"mailto:a&quot;&gt;&lt;script&gt;@x\">"));
        QVERIFY(page.contains(">Bj&#246;rk &amp; &lt;i&gt;</TD>"));
        QVERIFY(page.contains(">&quot;Post&quot; &#128512;</TD>"));
        QVERIFY(page.contains(">&lt;1995&gt;</TD>"));
        QVERIFY(std::all_of(page.begin(), page.end(), [](char c) { return uchar(c) < 0x80; }));
        QCOMPARE(html_escaped(QStringView(u"\xD800x")), QByteArray("&#65533;x")); // a lone half
    }

    // A control character is written as a space, never raw and never as a reference (a browser
    // reads "&#133;" as "…"), so an HTML parser reads each value back as the list shows it.
    void control_characters_are_written_as_spaces() {
        const QString nul(1, QChar(u'\0'));
        const QByteArray page =
            page_of(test::nothing_ticked(ListKind::Html),
                    {album("a\r\nb", QStringLiteral("C1 \u0085 \u0096 \u009F")),
                     album("\t" + nul + "\x7f\x1f", QStringLiteral("\u00A0\u20AC"))});
        QCOMPARE(page, style_block + table_start + "</TR>" + plain_row("a  b", "C1      ", true) +
                           plain_row("    ", "&#160;&#8364;", false) + "</TABLE>" + credit);
    }

    void statistics_table() {
        const Statistics figures{2, 3, 9, 185050};
        const QByteArray page =
            get_html_list(test::nothing_ticked(ListKind::Html), {}, &figures, u',');
        QVERIFY(
            page.contains("<FONT CLASS=\"norm\"># of Cds:</TD><TD><FONT CLASS=\"norm\">9</TD>"));
        QVERIFY(page.endsWith("<FONT CLASS=\"norm\">Total Size (MB):</TD><TD><FONT "
                              "CLASS=\"norm\">1850,5</TD></TR></TABLE></TR></TABLE>" +
                              credit));
    }
};

VINYLIX_TEST(HtmlListTest)
#include "test_html_list.moc"
