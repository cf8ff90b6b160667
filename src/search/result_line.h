#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace vinylix {

// One line of search results: `length` characters of `text` from `start`. A song line keeps
// the album's whole song list, shared rather than copied, so that a search with many
// thousand results copies no text until a line is shown.
struct ResultLine {
    QString text;
    qsizetype start = 0;
    qsizetype length = -1; // up to the end of the text

    QString line() const { return text.mid(start, length); }
};

using ResultLines = std::vector<ResultLine>;

inline QStringList line_texts(const ResultLines& lines) {
    QStringList texts;
    texts.reserve(qsizetype(lines.size()));
    for (const ResultLine& line : lines)
        texts.append(line.line());
    return texts;
}

} // namespace vinylix
