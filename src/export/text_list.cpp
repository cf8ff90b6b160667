#include "text_list.h"

#include "banner.h"
#include "store/song_list_text.h"

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
    out += QString(std::max<qsizetype>(0, width - length_of(value)), u' ');
}

void append_zero_filled(QString& out, const QString& value, qsizetype width) {
    out += QString(std::max<qsizetype>(0, width - length_of(value)), u'0');
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
    if (!ticked(options.nickstatus) || options.nickname.isEmpty())
        return {};
    return create_ascii(options.nickname) + options.nickname + QStringLiteral("'s Mp3 List") + crlf;
}

QString email_part(const ExportOptions& options) {
    if (!ticked(options.emailstatus))
        return crlf + crlf + crlf;
    if (options.email.isEmpty())
        return {};
    return options.email + crlf + crlf + crlf;
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
        out += value.isEmpty() ? QStringLiteral("       ") : value + QStringLiteral(" - ");
        return;
    case Field::Cover:
        out += value.toUpper() == QStringLiteral("YES") ? u'Y' : u'N';
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
    default:
        out += size_with_decimal_comma(value);
        return; // nothing follows the size
    }
    out += QStringLiteral(" - ");
}

void append_album_line(QString& out, const AlbumRecord& a, const std::vector<Field>& properties,
                       const Widths& w) {
    out += QStringLiteral("\t| ");
    append_padded(out, a[Field::Artist], w.artist);
    out += QStringLiteral("| ");
    append_padded(out, a[Field::Album], w.album);
    QString values;
    for (Field f : properties)
        append_property(values, a, f, w);
    if (!values.isEmpty() && properties.back() != Field::Size)
        values.chop(3); // the trailing " - "
    if (!values.isEmpty() && a[Field::Kbps] == not_applicable)
        values = QStringLiteral("Original CD");
    if (!values.isEmpty())
        out += QStringLiteral("| ") + values;
    out += crlf;
}

QString statistics_block(const Statistics& s, const QString& decimal_point) {
    return QStringLiteral("\t| Statistics\r\n\t|") + macron.repeated(11) + crlf +
           QStringLiteral("\t| # of Artists: ") + QString::number(s.number_of_artists) + crlf +
           QStringLiteral("\t| # de Albums: ") + QString::number(s.number_of_albums) + crlf +
           QStringLiteral("\t| # of Cds: ") + QString::number(s.number_of_cds) + crlf +
           QStringLiteral("\t| Total Size (MB): ") + total_size_text(s.total_size, decimal_point) +
           crlf + crlf;
}

} // namespace

QByteArray get_txt_list(const ExportOptions& options, const std::vector<AlbumRecord>& albums,
                        const Statistics* statistics, const QString& decimal_point,
                        const ListProgress& progress) {
    const std::vector<Field> properties = ticked_properties(options);
    const Widths widths = widths_of(albums);
    QString list = title(options) + email_part(options) + column_header(widths, properties);
    const qint64 total = qint64(albums.size());
    list.reserve(list.size() + (widths.artist + widths.album + 48) * qsizetype(total) + 512);
    for (qint64 done = 0; done < total; ++done) {
        append_album_line(list, albums[std::size_t(done)], properties, widths);
        if (progress && !progress(done + 1, total))
            return {};
    }
    if (statistics)
        list += statistics_block(*statistics, decimal_point);
    list += crlf + crlf +
            QStringLiteral("\tThis Mp3 List was created with Vinylix 5.0 [Trackwright] ") +
            home_page + crlf;
    return list.toUtf8();
}

} // namespace vinylix
