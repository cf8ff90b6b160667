#include "song_line_finder.h"

namespace vinylix {

namespace {

// The line start of each occurrence in `found`, appended to `starts`. A line starts where a
// CR LF ends: for each occurrence only the text since the one before is looked at, as a line
// start between them is the last one before the occurrence; so every character is looked at
// once, however many occurrences a long line holds.
template <typename Text>
void append_line_starts(const Text& text, const std::vector<qsizetype>& found,
                        std::vector<quint32>& starts) {
    qsizetype start = 0;
    qsizetype before = -1; // the occurrence before
    for (const qsizetype at : found) {
        for (qsizetype j = at; j > before && j >= 2; --j)
            if (text[j - 2] == u'\r' && text[j - 1] == u'\n') {
                start = j;
                break;
            }
        before = at;
        starts.push_back(quint32(start));
    }
}

} // namespace

SongLineFinder::SongLineFinder(const QString& text) : text_(text), finder_(text) {}

void SongLineFinder::find(QByteArrayView songs, std::vector<quint32>& starts) {
    found_.clear();
    if (finder_.find_all_in_ascii(songs, found_)) {
        append_line_starts(songs, found_, starts);
        return;
    }
    const QString decoded = QString::fromUtf8(songs);
    found_ = finder_.find_all(decoded);
    append_line_starts(decoded, found_, starts);
}

QString SongLineFinder::line_at(QByteArrayView songs, quint32 start) {
    if (is_ascii(songs)) {
        if (start > songs.size())
            return {};
        const QByteArrayView rest = songs.sliced(start);
        const qsizetype cr = rest.indexOf('\r');
        return QString::fromLatin1(cr < 0 ? rest : rest.first(cr));
    }
    const QString decoded = QString::fromUtf8(songs);
    if (start > decoded.size())
        return {};
    const qsizetype cr = decoded.indexOf(u'\r', start);
    return decoded.mid(start, cr < 0 ? -1 : cr - qsizetype(start));
}

} // namespace vinylix
