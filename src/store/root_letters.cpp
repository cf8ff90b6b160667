#include "root_letters.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

namespace vinylix {

namespace {

// English has no collation rules of its own: its collator is the root collation. (The C
// locale would compare code points.)
QCollator root_collator() {
    return QCollator(QLocale(QLocale::English));
}

// One plain letter or digit, and every pair of letters, in the root collation's order.
const std::vector<QString>& plain_runs() {
    static const std::vector<QString> runs = [] {
        std::vector<QString> all;
        for (char16_t a = u'a'; a <= u'z'; ++a) {
            all.push_back(QString(QChar(a)));
            for (char16_t b = u'a'; b <= u'z'; ++b)
                all.push_back(QString(QChar(a)) + QChar(b));
        }
        for (char16_t d = u'0'; d <= u'9'; ++d)
            all.push_back(QString(QChar(d)));
        const QCollator collator = root_collator();
        std::sort(all.begin(), all.end(), collator);
        return all;
    }();
    return runs;
}

// A character's letters packed in 16 bits: the first in the low byte, the second (if any) in
// the high one; `unknown` before the first look-up, `none` when it has no plain letters.
constexpr std::uint16_t unknown = 0;
constexpr std::uint16_t none = 0xFFFF;
std::array<std::atomic<std::uint16_t>, 0x10000> letters_of_char{};

// The plain run that `c` shares its primary weight with: the last run sorting at or before
// it, when `c` also sorts before that run followed by a tab (the lowest primary weight), so
// that it differs from the run only in accents or form.
std::uint16_t look_up(char16_t c) {
    thread_local const QCollator collator = root_collator();
    const std::vector<QString>& runs = plain_runs();
    const QString text(QChar{c});
    auto after = std::upper_bound(runs.begin(), runs.end(), text, std::cref(collator));
    if (after == runs.begin())
        return none;
    const QString& run = *std::prev(after);
    if (collator.compare(text, run + QChar(u'\t')) >= 0)
        return none;
    return std::uint16_t(run[0].unicode() | (run.size() > 1 ? run[1].unicode() << 8 : 0));
}

} // namespace

bool append_root_letters(QString& out, char16_t c) {
    if (QChar::isSurrogate(c))
        return false;
    std::atomic<std::uint16_t>& slot = letters_of_char[c];
    std::uint16_t letters = slot.load(std::memory_order_relaxed);
    if (letters == unknown) {
        letters = look_up(c); // two threads may both look up: they find the same letters
        slot.store(letters, std::memory_order_relaxed);
    }
    if (letters == none)
        return false;
    out += QChar(char16_t(letters & 0xFF));
    if (letters >> 8)
        out += QChar(char16_t(letters >> 8));
    return true;
}

} // namespace vinylix
