#include "song_list_text.h"

#include <algorithm>

namespace vinylix {

QString cd_header(int n) {
    return QStringLiteral("== CD %1 ==").arg(n);
}

namespace {

bool is_line_break(QChar c) {
    return c == u'\r' || c == u'\n';
}

// Where the header of CD n stands as a line of its own, at or after `from`; -1 when nowhere.
qsizetype find_header_line(const QString& songs, int n, qsizetype from) {
    const QString header = cd_header(n);
    for (qsizetype at = songs.indexOf(header, from, Qt::CaseInsensitive); at >= 0;
         at = songs.indexOf(header, at + 1, Qt::CaseInsensitive)) {
        const qsizetype end = at + header.size();
        if ((at == 0 || is_line_break(songs[at - 1])) &&
            (end == songs.size() || is_line_break(songs[end])))
            return at;
    }
    return -1;
}

// Skips the line break that ends a header line (CR LF as written; a bare LF is tolerated).
qsizetype skip_line_break(const QString& text, qsizetype at) {
    if (QStringView(text).sliced(at).startsWith(crlf))
        return at + 2;
    if (at < text.size() && text[at] == u'\n')
        return at + 1;
    return at;
}

// The length of the empty line that separates one CD's songs from the next header, when the
// text of `length` characters from `start` ends with one.
qsizetype separator_length(const QString& text, qsizetype start, qsizetype length) {
    const QStringView section = QStringView(text).sliced(start, length);
    if (section.endsWith(QStringLiteral("\r\n\r\n")))
        return 4;
    if (section.endsWith(QStringLiteral("\n\n")))
        return 2;
    return 0;
}

} // namespace

std::vector<SongSection> find_song_sections(const QString& songs, int cd_count) {
    std::vector<SongSection> sections;
    qsizetype from = 0;
    for (int n = 1; n <= cd_count; ++n) {
        const qsizetype at = find_header_line(songs, n, from);
        if (at < 0)
            break;
        const qsizetype start = skip_line_break(songs, at + cd_header(n).size());
        from = start;
        const qsizetype next = find_header_line(songs, n + 1, start);
        if (next >= 0)
            sections.push_back(
                {start, next - start - separator_length(songs, start, next - start)});
        else
            sections.push_back({start, songs.size() - start});
    }
    return sections;
}

QStringList read_song_sections(const QString& songs, int cd_count) {
    QStringList cds;
    for (const SongSection& section : find_song_sections(songs, cd_count))
        cds.append(songs.mid(section.start, section.length));
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

namespace {

// "== CD n ==" with n of one or more digits, letter case ignored; `line` is trimmed.
bool is_cd_header(QStringView line) {
    const QStringView opening = u"== CD ", closing = u" ==";
    if (line.size() <= opening.size() + closing.size() ||
        !line.startsWith(opening, Qt::CaseInsensitive) || !line.endsWith(closing))
        return false;
    const QStringView number = line.sliced(opening.size()).chopped(closing.size());
    return std::all_of(number.begin(), number.end(),
                       [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

int song_count(QStringView songs) {
    int count = 0;
    for (const QStringView line : songs.tokenize(u'\n')) {
        const QStringView trimmed = line.trimmed();
        count += !trimmed.isEmpty() && !is_cd_header(trimmed);
    }
    return count;
}

} // namespace vinylix
