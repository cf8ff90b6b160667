#include "song_list_text.h"

namespace vinylix {

QString cd_header(int n) {
    return QStringLiteral("== CD %1 ==").arg(n);
}

namespace {

// Skips the line break that ends a header line (CR LF as written; a bare LF is tolerated).
qsizetype skip_line_break(const QString& text, qsizetype at) {
    if (text.mid(at, 2) == crlf)
        return at + 2;
    if (at < text.size() && text[at] == u'\n')
        return at + 1;
    return at;
}

// Removes the empty line that separates one CD's songs from the next header.
QString without_separator(QString text) {
    if (text.endsWith(crlf + crlf))
        text.chop(4);
    else if (text.endsWith(QStringLiteral("\n\n")))
        text.chop(2);
    return text;
}

} // namespace

QStringList read_song_sections(const QString& songs, int cd_count) {
    QStringList cds;
    qsizetype from = 0;
    for (int n = 1; n <= cd_count; ++n) {
        const QString header = cd_header(n);
        const qsizetype at = songs.indexOf(header, from, Qt::CaseInsensitive);
        if (at < 0)
            break;
        const qsizetype start = skip_line_break(songs, at + header.size());
        from = start;
        const qsizetype next = songs.indexOf(cd_header(n + 1), start, Qt::CaseInsensitive);
        if (next >= 0)
            cds.append(without_separator(songs.mid(start, next - start)));
        else
            cds.append(songs.mid(start));
    }
    return cds;
}

QString write_song_sections(const QStringList& cds) {
    QString text;
    for (qsizetype k = 0; k < cds.size(); ++k) {
        if (k > 0)
            text += crlf + crlf;
        text += cd_header(int(k + 1)) + crlf + cds[k];
    }
    return text;
}

} // namespace vinylix
