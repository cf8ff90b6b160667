#include "caseless_finder.h"

#include <QChar>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

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

// A text of UTF-16 units, folded one by one.
struct WideText {
    QStringView text;
    qsizetype size() const { return text.size(); }
    char16_t folded(qsizetype at) const { return folded_unit(text, at); }
    // The first place at or after `at` where a needle whose first units are `start` may
    // start; size() when none.
    qsizetype skip_to(qsizetype at, std::u16string_view start) const {
        const char16_t first = start.front();
        while (at < size() && folded(at) != first)
            ++at;
        return at;
    }
};

constexpr std::uint64_t ones = 0x0101010101010101;

// 0x80 in each byte of `word` that is `wanted`'s byte, letters in either case when `case_bits`
// holds their case bit, and 0 elsewhere (exactly: no carry runs from byte to byte).
std::uint64_t equal_bytes(std::uint64_t word, std::uint64_t case_bits, std::uint64_t wanted) {
    constexpr std::uint64_t low7 = ones * 0x7F;
    const std::uint64_t x = (word | case_bits) ^ wanted; // a zero byte where equal
    return ~(((x & low7) + low7) | x | low7);
}

// One folded ASCII unit looked for in eight bytes at once.
struct Wanted {
    explicit Wanted(char16_t unit)
        : case_bits(unit >= u'a' && unit <= u'z' ? ones * 0x20 : 0), bytes(ones * (unit & 0x7F)) {}
    std::uint64_t case_bits;
    std::uint64_t bytes;
};

// A text of bytes read as ASCII. Places where a match may start are looked for eight bytes at
// a time, by the needle's first two units (letters in either case by their bits but the case
// bit). Every byte a scan passes is seen, so that `seen` tells whether all were ASCII.
struct AsciiText {
    QByteArrayView bytes;
    mutable std::uint64_t seen = 0; // every byte looked at, or-ed together

    qsizetype size() const { return bytes.size(); }
    char16_t folded(qsizetype at) const {
        const auto c = static_cast<unsigned char>(bytes[at]);
        seen |= c;
        return c < 0x80 ? ascii_folds[c] : char16_t(0xFFFF); // never a needle's unit here
    }
    std::uint64_t word(qsizetype at) const {
        std::uint64_t w = 0;
        std::memcpy(&w, bytes.data() + at, 8);
        seen |= w;
        return w;
    }
    qsizetype skip_to(qsizetype at, std::u16string_view start) const {
        const bool two_units = start.size() > 1;
        if constexpr (std::endian::native == std::endian::little) {
            const Wanted first(start.front()), second(two_units ? start[1] : 0);
            for (; at + 9 <= size(); at += 8) {
                std::uint64_t found = equal_bytes(word(at), first.case_bits, first.bytes);
                if (two_units)
                    found &= equal_bytes(word(at + 1), second.case_bits, second.bytes);
                if (found != 0)
                    return at + std::countr_zero(found) / 8;
            }
        }
        for (; at < size(); ++at)
            if (folded(at) == start.front() &&
                (!two_units || (at + 1 < size() && folded(at + 1) == start[1])))
                return at;
        return at;
    }
};

} // namespace

CaselessFinder::CaselessFinder(QStringView needle) {
    folded_.reserve(std::size_t(needle.size()));
    for (qsizetype i = 0; i < needle.size(); ++i) {
        folded_.push_back(folded_unit(needle, i));
        folds_to_ascii_ = folds_to_ascii_ && folded_.back() < 0x80;
    }
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

template <typename Text, typename Found>
void CaselessFinder::scan(const Text& haystack, qsizetype from, Found found) const {
    const auto length = qsizetype(folded_.size());
    const qsizetype size = haystack.size();
    const std::u16string_view start = std::u16string_view(folded_).substr(0, 2);
    qsizetype matched = 0;
    for (qsizetype at = from; at < size; ++at) {
        if (matched == 0) {
            // Most units start no match: they are passed over in a tight loop.
            at = haystack.skip_to(at, start);
            if (at == size)
                return;
        }
        const char16_t c = haystack.folded(at);
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
    scan(WideText{haystack}, from, [&](qsizetype at) {
        first = at;
        return false;
    });
    return first;
}

std::vector<qsizetype> CaselessFinder::find_all(QStringView haystack) const {
    std::vector<qsizetype> all;
    if (!folded_.empty())
        scan(WideText{haystack}, 0, [&](qsizetype at) {
            all.push_back(at);
            return true;
        });
    return all;
}

bool CaselessFinder::find_all_in_ascii(QByteArrayView bytes, std::vector<qsizetype>& all) const {
    if (folded_.empty() || !folds_to_ascii_)
        return is_ascii(bytes); // nothing to find in ASCII
    const AsciiText text{bytes};
    scan(text, 0, [&](qsizetype at) {
        all.push_back(at);
        return true;
    });
    return (text.seen & (ones * 0x80)) == 0;
}

bool is_ascii(QByteArrayView bytes) {
    std::uint64_t seen = 0;
    qsizetype at = 0;
    for (; at + 8 <= bytes.size(); at += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes.data() + at, 8);
        seen |= word;
    }
    for (; at < bytes.size(); ++at)
        seen |= static_cast<unsigned char>(bytes[at]);
    return (seen & (ones * 0x80)) == 0;
}

} // namespace vinylix
