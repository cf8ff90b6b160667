#include "text_list.h"

#include "banner.h"
#include "list_buffer.h"
#include "store/control_text.h"
#include "store/line_end.h"
#include "store/numeric_value.h"

#include <algorithm>

namespace vinylix {

namespace {

const QString macron = QStringLiteral("\u00AF");

// Characters as a fixed-width font shows them: a pair of surrogates is one.
qsizetype length_of(QStringView text) {
    return text.size() -
           std::count_if(text.begin(), text.end(), [](QChar c) { return c.isLowSurrogate(); });
}

void append_padded(QString& out, const QString& value, qsizetype width) {
    out += value;
    const qsizetype fill = width - length_of(value);
    if (fill > 0)
        out.resize(out.size() + fill, u' ');
}

void append_zero_filled(QString& out, const QString& value, qsizetype width) {
    const qsizetype fill = width - length_of(value);
    if (fill > 0)
        out.resize(out.size() + fill, u'0');
    out += value;
}

struct Widths {
    qsizetype artist = 0;
    qsizetype album = 0;
    qsizetype cds = 0;
    qsizetype kbps = 0;
    qsizetype cd = 0; // "CDA" left out
};

Widths widths_of(const std::vector<AlbumRecord>& albums) {
    Widths w;
    for (const AlbumRecord& a : albums) {
        w.artist = std::max(w.artist, length_of(a[Field::Artist]));
        w.album = std::max(w.album, length_of(a[Field::Album]));
        w.cds = std::max(w.cds, length_of(a[Field::Cds]));
        w.kbps = std::max(w.kbps, length_of(a[Field::Kbps]));
        if (a[Field::CD] != audio_cd_label)
            w.cd = std::max(w.cd, length_of(a[Field::CD]));
    }
    return w;
}

QString header_label(Field field) {
    switch (field) {
    case Field::Year:
        return QStringLiteral("Year - ");
    case Field::Cover:
        return QStringLiteral("Cover - ");
    case Field::Cds:
        return QStringLiteral("Cds - ");
    case Field::Kbps:
        return QStringLiteral("Kbps - ");
    case Field::CD:
        return QStringLiteral("CD # - ");
    default:
        return QStringLiteral("Size");
    }
}

// "| Year - Cover - Size", or empty when no property is ticked.
QString property_header(const std::vector<Field>& properties) {
    QString header;
    for (Field f : properties)
        header += header_label(f);
    if (!header.isEmpty() && properties.back() != Field::Size)
        header.chop(3); // the trailing " - "
    return header.isEmpty() ? header : QStringLiteral("| ") + header;
}

QString title(const ExportOptions& options) {
    if (!options.nickstatus || options.nickname.isEmpty())
        return {};
    QString nickname = options.nickname;
    blank_controls(nickname);
    return create_ascii(nickname) + nickname + QStringLiteral("'s Mp3 List") + crlf;
}

QString email_part(const ExportOptions& options) {
    if (!options.emailstatus)
        return crlf + crlf + crlf;
    if (options.email.isEmpty())
        return {};
    QString email = options.email;
    blank_controls(email);
    return email + crlf + crlf + crlf;
}

QString column_header(const Widths& w, const std::vector<Field>& properties) {
    const QString header = property_header(properties);
    const QString underline =
        header.isEmpty() ? QString() : u'|' + macron.repeated(length_of(header) + 1);
    const QString artist_fill(std::max<qsizetype>(0, w.artist - 6), u' ');
    const QString album_fill(std::max<qsizetype>(0, w.album - 5), u' ');
    return u'\t' + QStringLiteral("| Artist") + artist_fill + QStringLiteral("| Album") +
           album_fill + header + crlf + u'\t' + u'|' + macron.repeated(7) + artist_fill + u'|' +
           macron.repeated(6) + album_fill + underline + crlf;
}

void append_property(QString& out, const AlbumRecord& a, Field f, const Widths& w) {
    const QString& value = a[f];
    switch (f) {
    case Field::Year:
        if (value.isEmpty())
            out += QStringLiteral("       "); // as wide as "Year - "
        else
            out += value + QStringLiteral(" - ");
        return;
    case Field::Cover:
        out += value.compare(QStringLiteral("YES"), Qt::CaseInsensitive) == 0 ? u'Y' : u'N';
        break;
    case Field::Cds:
        append_zero_filled(out, value, w.cds);
        break;
    case Field::Kbps:
        append_zero_filled(out, value, w.kbps);
        break;
    case Field::CD:
        append_zero_filled(out, value, w.cd);
        break;
    default: {
        const qsizetype at = out.size();
        out += value;
        put_decimal_comma(out, at);
        return; // nothing follows the size
    }
    }
    out += QStringLiteral(" - ");
}

// Appends "| " and the properties of `a`, or nothing when they come to the empty text.
void append_properties(QString& out, const AlbumRecord& a, const std::vector<Field>& properties,
                       const Widths& w) {
    const qsizetype mark = out.size();
    out += QStringLiteral("| ");
    const qsizetype start = out.size();
    for (Field f : properties)
        append_property(out, a, f, w);
    if (out.size() > start && properties.back() != Field::Size)
        out.chop(3); // the trailing " - "
    if (out.size() > start && a[Field::Kbps] == not_applicable) {
        out.truncate(start);
        out += QStringLiteral("Original CD");
    }
    if (out.size() == start)
        out.truncate(mark);
}

void append_album_line(QString& out, const AlbumRecord& a, const std::vector<Field>& properties,
                       const Widths& w) {
    out += u'\t';
    const qsizetype values = out.size(); // from here on, only values and the bars between them
    out += QStringLiteral("| ");
    append_padded(out, a[Field::Artist], w.artist);
    out += QStringLiteral("| ");
    append_padded(out, a[Field::Album], w.album);
    append_properties(out, a, properties, w);
    blank_controls(out, values);
    out += crlf;
}

QString statistics_block(const Statistics& s, QChar decimal_point) {
    return QStringLiteral("\t| Statistics\r\n\t|") + macron.repeated(11) + crlf +
           QStringLiteral("\t| # of Artists: ") + QString::number(s.number_of_artists) + crlf +
           QStringLiteral("\t| # de Albums: ") + QString::number(s.number_of_albums) + crlf +
           QStringLiteral("\t| # of Cds: ") + QString::number(s.number_of_cds) + crlf +
           QStringLiteral("\t| Total Size (MB): ") + s.total_size_text(decimal_point) + crlf + crlf;
}

// Hands `text` over as UTF-8 and empties it (keeping its room) once it holds `at_least`
// characters; false when the sink refused it.
bool hand_over(QString& text, const FileSink& sink, qsizetype at_least) {
    if (text.size() < at_least)
        return true;
    const bool taken = sink(text.toUtf8());
    text.truncate(0);
    return taken;
}

} // namespace

bool put_txt_list(const FileSink& sink, const ExportOptions& options,
                  const std::vector<AlbumRecord>& albums, const Statistics* statistics,
                  QChar decimal_point, const ProgressFn& progress) {
    constexpr qsizetype chunk = 1 << 19; // characters handed over at a time
    const std::vector<Field> properties = ticked_properties(options);
    const Widths widths = widths_of(albums);
    QString list = title(options) + email_part(options) + column_header(widths, properties);
    list.reserve(chunk + 4096);
    const qint64 total = qint64(albums.size());
    for (qint64 done = 0; done < total; ++done) {
        append_album_line(list, albums[std::size_t(done)], properties, widths);
        if (!hand_over(list, sink, chunk) || !report_progress(progress, done + 1, total))
            return false;
    }
    if (statistics)
        list += statistics_block(*statistics, decimal_point);
    list += crlf + crlf +
            QStringLiteral("\tThis Mp3 List was created with Vinylix 5.0 [Trackwright] ") +
            home_page + crlf;
    return hand_over(list, sink, 0);
}

QByteArray get_txt_list(const ExportOptions& options, const std::vector<AlbumRecord>& albums,
                        const Statistics* statistics, QChar decimal_point,
                        const ProgressFn& progress) {
    return whole_list([&](const FileSink& sink) {
        return put_txt_list(sink, options, albums, statistics, decimal_point, progress);
    });
}

} // namespace vinylix
