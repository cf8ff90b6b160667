#include "free_numbers.h"

#include <QStringList>

namespace vinylix {

namespace {

// Digit strings without leading zeros ("0" for zero), counted up or down by one.
QString plus_one(QString digits) {
    qsizetype i = digits.size() - 1;
    while (i >= 0 && digits[i] == u'9')
        digits[i--] = u'0';
    if (i < 0)
        return u'1' + digits;
    digits[i] = QChar(digits[i].unicode() + 1);
    return digits;
}

QString minus_one(QString digits) {
    qsizetype i = digits.size() - 1;
    while (i >= 0 && digits[i] == u'0')
        digits[i--] = u'9';
    digits[i] = QChar(digits[i].unicode() - 1); // never below: callers pass at least "1"
    if (digits.size() > 1 && digits.front() == u'0')
        digits.remove(0, 1);
    return digits;
}

} // namespace

std::vector<NumberRun> free_numbers(const std::vector<ShelfDisc>& discs) {
    std::vector<NumberRun> runs;
    QString next_free = QStringLiteral("1"); // the first number not yet accounted for
    for (const ShelfDisc& disc : discs) {
        if (disc.number == u'0')
            continue;
        if (disc.number != next_free)
            runs.push_back({next_free, minus_one(disc.number)});
        next_free = plus_one(disc.number);
    }
    return runs;
}

QString free_numbers_text(const std::vector<NumberRun>& runs) {
    QStringList parts;
    for (const NumberRun& run : runs) {
        if (run.first == run.last)
            parts << run.first;
        else if (plus_one(run.first) == run.last)
            parts << run.first << run.last;
        else
            parts << run.first + u'\u2013' + run.last;
    }
    return parts.join(QStringLiteral(", "));
}

} // namespace vinylix
