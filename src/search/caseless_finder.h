#pragma once

#include <QStringView>
#include <string>

namespace vinylix {

// Finds a text inside other texts ignoring letter case. Characters compare by the same simple
// case folding as Qt's case-insensitive comparisons, so the results are those of
// QString::indexOf with Qt::CaseInsensitive; plain ASCII text is folded by a table, which
// keeps a search through a whole catalogue's song lists quick.
class CaselessFinder {
public:
    explicit CaselessFinder(QStringView needle);

    // Position of the first occurrence at or after `from`; -1 when there is none. An empty
    // needle is found at `from`.
    qsizetype find(QStringView haystack, qsizetype from = 0) const;

private:
    bool matches_at(QStringView haystack, qsizetype at) const;

    std::u16string folded_;
};

} // namespace vinylix
