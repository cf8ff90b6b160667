#include "caseless_finder.h"

#include <QChar>
#include <array>

namespace vinylix {

namespace {

constexpr std::array<char16_t, 128> ascii_folds = [] {
    std::array<char16_t, 128> folds{};
    for (char16_t c = 0; c < 128; ++c)
        folds[c] = c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
    return folds;
}();

// The folded code unit at `at` beyond ASCII; a unit of a surrogate pair folds with its partner.
char16_t folded_wide_unit(QStringView text, qsizetype at) {
    const char16_t c = text[at].unicode();
    if (QChar::isHighSurrogate(c) && at + 1 < text.size() && text[at + 1].isLowSurrogate())
        return QChar::highSurrogate(
            QChar::toCaseFolded(QChar::surrogateToUcs4(c, text[at + 1].unicode())));
    if (QChar::isLowSurrogate(c) && at > 0 && text[at - 1].isHighSurrogate())
        return QChar::lowSurrogate(
            QChar::toCaseFolded(QChar::surrogateToUcs4(text[at - 1].unicode(), c)));
    return char16_t(QChar::toCaseFolded(char32_t(c)));
}

// The folded code unit at `at`: plain ASCII by table, in line, the rest by the general rule.
inline char16_t folded_unit(QStringView text, qsizetype at) {
    const char16_t c = text[at].unicode();
    return c < 128 ? ascii_folds[c] : folded_wide_unit(text, at);
}

} // namespace

CaselessFinder::CaselessFinder(QStringView needle) {
    folded_.reserve(std::size_t(needle.size()));
    for (qsizetype i = 0; i < needle.size(); ++i)
        folded_.push_back(folded_unit(needle, i));
    fallback_.assign(folded_.size(), 0);
    qsizetype border = 0;
    for (std::size_t k = 1; k < folded_.size(); ++k) {
        while (border > 0 && folded_[k] != folded_[std::size_t(border)])
            border = fallback_[std::size_t(border) - 1];
        if (folded_[k] == folded_[std::size_t(border)])
            ++border;
        fallback_[k] = border;
    }
}

template <typename Found>
void CaselessFinder::scan(QStringView haystack, qsizetype from, Found found) const {
    const auto length = qsizetype(folded_.size());
    const qsizetype size = haystack.size();
    const char16_t first = folded_.front();
    qsizetype matched = 0;
    for (qsizetype at = from; at < size; ++at) {
        if (matched == 0) {
            // Most units start no match: they are passed over in a tight loop.
            while (at < size && folded_unit(haystack, at) != first)
                ++at;
            if (at == size)
                return;
        }
        const char16_t c = folded_unit(haystack, at);
        while (matched > 0 && c != folded_[std::size_t(matched)])
            matched = fallback_[std::size_t(matched) - 1];
        if (c == folded_[std::size_t(matched)])
            ++matched;
        if (matched == length) {
            if (!found(at + 1 - length))
                return;
            matched = fallback_[std::size_t(length) - 1];
        }
    }
}

qsizetype CaselessFinder::find(QStringView haystack, qsizetype from) const {
    if (from < 0 || from > haystack.size() - qsizetype(folded_.size()))
        return -1;
    if (folded_.empty())
        return from;
    qsizetype first = -1;
    scan(haystack, from, [&](qsizetype at) {
        first = at;
        return false;
    });
    return first;
}

std::vector<qsizetype> CaselessFinder::find_all(QStringView haystack) const {
    std::vector<qsizetype> all;
    if (!folded_.empty())
        scan(haystack, 0, [&](qsizetype at) {
            all.push_back(at);
            return true;
        });
    return all;
}

} // namespace vinylix
