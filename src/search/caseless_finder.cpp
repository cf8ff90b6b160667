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

// The folded code unit at `at`; a unit of a surrogate pair folds with its partner.
char16_t folded_unit(QStringView text, qsizetype at) {
    const char16_t c = text[at].unicode();
    if (c < 128)
        return ascii_folds[c];
    if (QChar::isHighSurrogate(c) && at + 1 < text.size() && text[at + 1].isLowSurrogate())
        return QChar::highSurrogate(
            QChar::toCaseFolded(QChar::surrogateToUcs4(c, text[at + 1].unicode())));
    if (QChar::isLowSurrogate(c) && at > 0 && text[at - 1].isHighSurrogate())
        return QChar::lowSurrogate(
            QChar::toCaseFolded(QChar::surrogateToUcs4(text[at - 1].unicode(), c)));
    return char16_t(QChar::toCaseFolded(char32_t(c)));
}

} // namespace

CaselessFinder::CaselessFinder(QStringView needle) {
    folded_.reserve(std::size_t(needle.size()));
    for (qsizetype i = 0; i < needle.size(); ++i)
        folded_.push_back(folded_unit(needle, i));
}

bool CaselessFinder::matches_at(QStringView haystack, qsizetype at) const {
    for (std::size_t k = 1; k < folded_.size(); ++k)
        if (folded_unit(haystack, at + qsizetype(k)) != folded_[k])
            return false;
    return true;
}

qsizetype CaselessFinder::find(QStringView haystack, qsizetype from) const {
    const qsizetype last = haystack.size() - qsizetype(folded_.size());
    if (from < 0 || from > last)
        return -1;
    if (folded_.empty())
        return from;
    const char16_t first = folded_[0];
    for (qsizetype at = from; at <= last; ++at)
        if (folded_unit(haystack, at) == first && matches_at(haystack, at))
            return at;
    return -1;
}

} // namespace vinylix
