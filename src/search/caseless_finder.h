#pragma once

#include <QByteArrayView>
#include <QStringView>
#include <string>
#include <vector>

namespace vinylix {

// True when every byte is ASCII (none above 0x7F).
bool is_ascii(QByteArrayView bytes);

// Finds a text inside other texts ignoring letter case. Characters compare by the same simple
// case folding as Qt's case-insensitive comparisons, so the results are those of
// QString::indexOf with Qt::CaseInsensitive; plain ASCII text is folded by a table, which
// keeps a search through a whole catalogue's song lists quick. A search looks at each
// character of the text once (Knuth-Morris-Pratt), so its time grows with the length of the
// text alone, whatever the text and the needle hold.
class CaselessFinder {
public:
    explicit CaselessFinder(QStringView needle);

    // Position of the first occurrence at or after `from`; -1 when there is none. An empty
    // needle is found at `from`.
    qsizetype find(QStringView haystack, qsizetype from = 0) const;

    // Every occurrence, overlapping ones too, in order: "aa" in "aaa" is at 0 and 1. An empty
    // needle has none.
    std::vector<qsizetype> find_all(QStringView haystack) const;

    // The same in bytes read as they are, without decoding, as long as they are ASCII: every
    // occurrence is appended to `all`. False when a byte lies above 0x7F (`all` then says
    // nothing): such a text must be decoded first. A needle that folds to something outside
    // ASCII is never found in ASCII.
    bool find_all_in_ascii(QByteArrayView bytes, std::vector<qsizetype>& all) const;

private:
    // Calls `found` with each occurrence at or after `from` until it returns false; `Text`
    // gives the folded unit at a place and passes over units that cannot start a match.
    template <typename Text, typename Found>
    void scan(const Text& haystack, qsizetype from, Found found) const;

    std::u16string folded_;
    // fallback_[k]: the length of the longest proper prefix of the first k + 1 folded units
    // that is also their suffix; where a partial match goes on after a mismatch.
    std::vector<qsizetype> fallback_;
    bool folds_to_ascii_ = true;
};

} // namespace vinylix
