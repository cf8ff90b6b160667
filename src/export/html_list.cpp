#include "html_list.h"

#include "list_buffer.h"
#include "store/control_text.h"
#include "store/numeric_value.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string_view>

namespace vinylix {

namespace {

// The reference that stands for a character HTML gives a meaning; null for the others.
const char* entity_of(char16_t c) {
    switch (c) {
    case u'&':
        return "&amp;";
    case u'<':
        return "&lt;";
    case u'>':
        return "&gt;";
    case u'"':
        return "&quot;";
    default:
        return nullptr;
    }
}

// An ASCII character written as it is: a letter, a digit, a space or punctuation without a
// meaning in HTML.
bool is_plain(char16_t c) {
    return c >= 0x20 && c < 0x7F && c != u'&' && c != u'<' && c != u'>' && c != u'"';
}

// Appends the numeric character reference of the character at `i`, a pair of surrogates
// taken as one; returns the index after it.
qsizetype append_reference(ListBuffer& out, QStringView text, qsizetype i) {
    const char16_t c = text[i].unicode();
    char32_t code = c;
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        code = QChar::surrogateToUcs4(c, text[++i].unicode());
    else if (QChar::isSurrogate(c))
        code = QChar::ReplacementCharacter; // a lone half of a pair
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, std::uint32_t(code)).ptr;
    out += "&#";
    out += std::string_view(digits, std::size_t(end - digits));
    out += ';';
    return i + 1;
}

void append_escaped(ListBuffer& out, QStringView text) {
    const char16_t* const chars = text.utf16();
    qsizetype i = 0;
    while (i < text.size()) {
        qsizetype plain = i;
        while (plain < text.size() && is_plain(chars[plain]))
            ++plain;
        if (plain > i) { // a run of ASCII that needs no reference, copied at once
            out.append_ascii(chars + i, chars + plain);
            i = plain;
        } else if (const char* entity = entity_of(chars[i])) {
            out += entity;
            ++i;
        } else if (is_control(chars[i])) {
            out += ' '; // never a reference: &#128; to &#159; read back as Windows-1252 letters
            ++i;
        } else {
            i = append_reference(out, text, i);
        }
    }
}

constexpr std::string_view style_block =
    "<HTML><HEAD><STYLE>a:link{color:black; text-decoration:none}"
    "a:visited{color:black; text-decoration:none}"
    "a:hover{color:red; text-decoration:none}"
    ".top {font: 8pt Tahoma; color:white; font-weight: bold}"
    ".norm {font: 8pt Tahoma; color:black}"
    "</STYLE></HEAD><BODY BGCOLOR=WHITE TEXT=BLACK>";

void append_heading(ListBuffer& out, const ExportOptions& options) {
    if (options.nickstatus) {
        out += "<FONT FACE=\"Impact\"SIZE=7>";
        append_escaped(out, options.nickname);
        out += "</FONT><BR><HR WIDTH=100% SIZE=1 COLOR=#406F90>";
    }
    if (options.emailstatus) {
        out += "<DIV ALIGN=RIGHT><FONT FACE=\"Tahoma\"SIZE=2><A HREF=\"mailto:";
        append_escaped(out, options.email);
        out += "\">";
        append_escaped(out, options.email);
        out += "</A></FONT><P></DIV>";
    }
}

const char* header_caption(Field field) {
    switch (field) {
    case Field::Year:
        return ">Year</TD>";
    case Field::Cover:
        return ">Cover</TD>";
    case Field::Cds:
        return ">Cds</TD>";
    case Field::Kbps:
        return ">Kbps</TD>";
    case Field::CD:
        return ">CD</TD>";
    default:
        return ">Size</TD>";
    }
}

void append_table_header(ListBuffer& out, const std::vector<Field>& properties) {
    out += "<TABLE BORDER=1 BORDERCOLOR=WHITE WIDTH=100% CELLPADDING=2>"
           "<TR><TD BORDERCOLOR=BLACK BGCOLOR=#406F90><FONT CLASS=\"top\">Artist</TD>"
           "<TD BORDERCOLOR=BLACK BGCOLOR=#406F90><FONT CLASS=\"top\">Album</TD>";
    for (Field f : properties) {
        out += "<TD BORDERCOLOR=BLACK BGCOLOR=#406F90 ALIGN=CENTER><FONT CLASS=\"top\"";
        out += header_caption(f);
    }
    out += "</TR>";
}

void append_row(ListBuffer& out, const AlbumRecord& a, const std::vector<Field>& properties,
                bool shaded) {
    const char* const shade = shaded ? " BGCOLOR=#CCEAF1 " : " ";
    for (Field f : {Field::Artist, Field::Album}) {
        out += f == Field::Artist ? "<TR><TD BORDERCOLOR=#ACC8DC" : "<TD BORDERCOLOR=#ACC8DC";
        out += shade;
        out += "><FONT CLASS=\"norm\">";
        append_escaped(out, a[f]);
        out += "</TD>";
    }
    for (Field f : properties) {
        out += "<TD BORDERCOLOR=#ACC8DC";
        out += shade;
        out += "ALIGN=CENTER><FONT CLASS=\"norm\">";
        const qsizetype at = out.size();
        append_escaped(out, a[f]);
        if (f == Field::Size)
            put_decimal_comma(out, at); // escaping never writes a "."
        out += "</TD>";
    }
    out += "</TR>";
}

void append_figure(ListBuffer& out, const char* caption, const QString& value) {
    out += "<TR><TD><FONT CLASS=\"norm\">";
    out += caption;
    out += "</TD><TD><FONT CLASS=\"norm\">";
    append_escaped(out, value);
    out += "</TD></TR>";
}

void append_statistics(ListBuffer& out, const Statistics& s, QChar decimal_point) {
    out += "<TABLE BORDER=1 WIDTH=100% BORDERCOLOR=WHITE><TR><TD BORDERCOLOR=BLACK "
           "BGCOLOR=#406F90><FONT CLASS=\"top\">Statistics</TD></TR>"
           "<TR><TABLE BORDER=0 BORDERCOLOR=WHITE>";
    append_figure(out, "# of Artists:", QString::number(s.number_of_artists));
    append_figure(out, "# of Albums:", QString::number(s.number_of_albums));
    append_figure(out, "# of Cds:", QString::number(s.number_of_cds));
    out += "<TR><TD><FONT>&nbsp</TD><TD><FONT>&nbsp</TD></TR>";
    append_figure(out, "Total Size (MB):", s.total_size_text(decimal_point));
    out += "</TABLE></TR></TABLE>";
}

void append_credit(ListBuffer& out) {
    out += "<HR WIDTH=100% SIZE=1 COLOR=#406F90><CENTER><FONT FACE=\"Tahoma\"SIZE=1><A HREF=\"";
    append_escaped(out, home_page);
    out += "\">List created with Vinylix - Trackwright</A></FONT></CENTER></BODY></HTML>\r\n";
}

} // namespace

QByteArray html_escaped(QStringView text) {
    QByteArray escaped;
    const FileSink keep = [&](QByteArrayView piece) {
        escaped += piece;
        return true;
    };
    ListBuffer out(keep);
    append_escaped(out, text);
    out.finish();
    return escaped;
}

bool put_html_list(const FileSink& sink, const ExportOptions& options,
                   const std::vector<AlbumRecord>& albums, const Statistics* statistics,
                   QChar decimal_point, const ProgressFn& progress) {
    const std::vector<Field> properties = ticked_properties(options);
    const qint64 total = qint64(albums.size());
    ListBuffer page(sink);
    page += style_block;
    append_heading(page, options);
    append_table_header(page, properties);
    for (qint64 done = 0; done < total; ++done) {
        append_row(page, albums[std::size_t(done)], properties, done % 2 == 0);
        if (!page.hand_over() || !report_progress(progress, done + 1, total))
            return false;
    }
    page += "</TABLE>";
    if (statistics)
        append_statistics(page, *statistics, decimal_point);
    append_credit(page);
    return page.finish();
}

QByteArray get_html_list(const ExportOptions& options, const std::vector<AlbumRecord>& albums,
                         const Statistics* statistics, QChar decimal_point,
                         const ProgressFn& progress) {
    return whole_list([&](const FileSink& sink) {
        return put_html_list(sink, options, albums, statistics, decimal_point, progress);
    });
}

} // namespace vinylix
