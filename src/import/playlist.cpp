#include "playlist.h"

#include "store/control_text.h"

#include <QStringDecoder>

namespace vinylix {

namespace {

// Where the line holding `from` ends: at its CR or LF, or at the end of the text.
qsizetype line_end(QStringView text, qsizetype from) {
    for (qsizetype i = from; i < text.size(); ++i) {
        if (text[i] == u'\r' || text[i] == u'\n')
            return i;
    }
    return text.size();
}

// The text after the first `separator` at or after `from` on its line, up to the line's end,
// and where the line ends; none when the line holds no separator.
std::optional<std::pair<QStringView, qsizetype>> value_after(QStringView text, qsizetype from,
                                                             QChar separator) {
    const qsizetype end = line_end(text, from);
    const qsizetype at = text.sliced(from, end - from).indexOf(separator);
    if (at < 0)
        return std::nullopt;
    const qsizetype start = from + at + 1;
    return std::pair{text.sliced(start, end - start), end};
}

} // namespace

std::optional<PlaylistKind> playlist_kind(QStringView file_name) {
    if (file_name.endsWith(u".m3u", Qt::CaseInsensitive))
        return PlaylistKind::M3u;
    if (file_name.endsWith(u".pls", Qt::CaseInsensitive))
        return PlaylistKind::Pls;
    return std::nullopt;
}

QString playlist_text(QByteArrayView bytes, CodePage page) {
    QStringDecoder utf8(QStringConverter::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return decode_text(page, bytes);
}

QStringList m3u_titles(QStringView text) {
    static const QString marker = QStringLiteral("#EXTINF:");
    QStringList titles;
    qsizetype from = 0;
    while (true) {
        const qsizetype at = text.indexOf(marker, from, Qt::CaseInsensitive);
        if (at < 0)
            break;
        const auto value = value_after(text, at + marker.size(), u',');
        from = value ? value->second : line_end(text, at);
        if (value)
            titles << value->first.toString();
    }
    return titles;
}

QStringList pls_titles(QStringView text) {
    QStringList titles;
    qsizetype from = 0;
    for (int n = 1;; ++n) {
        const QString key = QStringLiteral("Title%1").arg(n);
        qsizetype at = text.indexOf(key, from, Qt::CaseInsensitive);
        // "Title1" at the start of "Title12" is not entry 1.
        while (at >= 0 && at + key.size() < text.size() && text[at + key.size()].isDigit())
            at = text.indexOf(key, at + key.size(), Qt::CaseInsensitive);
        if (at < 0)
            break;
        const auto value = value_after(text, at + key.size(), u'=');
        if (!value)
            break;
        titles << value->first.toString();
        from = value->second;
    }
    return titles;
}

QStringList playlist_songs(PlaylistKind kind, QByteArrayView bytes, bool list_empty,
                           CodePage page) {
    const QString text = playlist_text(bytes, page);
    QStringList songs = kind == PlaylistKind::M3u ? m3u_titles(text) : pls_titles(text);
    if (songs.isEmpty() && kind == PlaylistKind::M3u && list_empty) {
        QString lines = text;
        lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
        songs = lines.split(u'\n');
        while (!songs.isEmpty() && songs.back().trimmed().isEmpty())
            songs.removeLast();
    }
    for (QString& song : songs)
        song = one_line(std::move(song));
    return songs;
}

} // namespace vinylix
