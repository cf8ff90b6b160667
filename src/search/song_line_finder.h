#pragma once

#include "caseless_finder.h"

#include <QByteArrayView>
#include <QString>
#include <vector>

namespace vinylix {

// Finds the song lines that hold a text, letter case ignored as CaselessFinder ignores it, in
// a song list as the file stores it (UTF-8). A line starts at the start of the list or right
// after a CR LF and ends at the first CR after its start, or at the end of the list. Every
// occurrence gives the start of its line, so a line holding the text twice is given twice,
// and overlapping occurrences count too. Places are counted in characters (UTF-16 units) of
// the decoded list. Example: "love" in "Love Me Do\r\nHelp\r\nlove, love me" gives 0, 18, 18.
// A list of ASCII bytes only is searched as it is; any other is decoded first.
// A finder keeps room of its own between lists: one finder for each thread.
class SongLineFinder {
public:
    explicit SongLineFinder(const QString& text);

    const QString& text() const { return text_; }

    // Appends the line start of every occurrence in `songs` to `starts`, in order.
    void find(QByteArrayView songs, std::vector<quint32>& starts);

    // The line of `songs` that starts at `start` (counted as above), up to its first CR; the
    // empty text when `start` lies beyond the list.
    static QString line_at(QByteArrayView songs, quint32 start);

private:
    QString text_;
    CaselessFinder finder_;
    std::vector<qsizetype> found_;
};

} // namespace vinylix
