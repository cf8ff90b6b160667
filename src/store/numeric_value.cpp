#include "numeric_value.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace vinylix {

namespace {

bool is_digit(QChar c) {
    return c >= u'0' && c <= u'9';
}

QStringView digits_from(QStringView text, qsizetype& i) {
    const qsizetype start = i;
    while (i < text.size() && is_digit(text[i]))
        ++i;
    return text.sliced(start, i - start);
}

constexpr qint64 hundredths_limit = 1'000'000'000'000'000; // 10^15

} // namespace

LeadingNumber LeadingNumber::of(QStringView text) {
    LeadingNumber number;
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        number.negative = text[i++] == u'-';
    QStringView whole = digits_from(text, i);
    QStringView fraction;
    if (i < text.size() && text[i] == u'.') {
        ++i;
        fraction = digits_from(text, i);
    }
    while (!whole.isEmpty() && whole.front() == u'0')
        whole = whole.sliced(1);
    while (!fraction.isEmpty() && fraction.back() == u'0')
        fraction.chop(1);
    number.whole = whole.toString();
    number.fraction = fraction.toString();
    if (number.is_zero())
        number.negative = false;
    return number;
}

QString LeadingNumber::text() const {
    QString t = negative ? QStringLiteral("-") : QString();
    t += whole.isEmpty() ? QStringLiteral("0") : whole;
    if (!fraction.isEmpty())
        t += u'.' + fraction;
    return t;
}

int LeadingNumber::compare(const LeadingNumber& other) const {
    if (negative != other.negative)
        return negative ? -1 : 1;
    int magnitude = 0;
    if (whole.size() != other.whole.size())
        magnitude = whole.size() < other.whole.size() ? -1 : 1;
    else if (const int w = whole.compare(other.whole); w != 0)
        magnitude = w < 0 ? -1 : 1;
    else if (const int f = fraction.compare(other.fraction); f != 0)
        magnitude = f < 0 ? -1 : 1; // no trailing zeros: plain comparison orders fractions
    return negative ? -magnitude : magnitude;
}

double numeric_value(QStringView text) {
    const LeadingNumber number = LeadingNumber::of(text);
    if (number.is_zero())
        return 0.0;
    const std::string digits = number.text().toStdString();
    double value = 0.0;
    // from_chars ignores the locale: "." is the decimal point whatever the user's settings.
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return number.negative ? -HUGE_VAL : HUGE_VAL;
    return std::isfinite(value) ? value : 0.0;
}

QString numeric_text(QStringView text) {
    return LeadingNumber::of(text).text();
}

qint64 whole_value(QStringView text, qint64 low, qint64 high) {
    const LeadingNumber number = LeadingNumber::of(text);
    qint64 magnitude = 0;
    // 18 digits always fit; beyond that the value saturates.
    if (number.whole.size() > 18)
        magnitude = std::numeric_limits<qint64>::max();
    else if (!number.whole.isEmpty())
        magnitude = number.whole.toLongLong();
    const qint64 value = number.negative ? -magnitude : magnitude;
    return std::clamp(value, low, high);
}

qint64 hundredths_value(QStringView text) {
    const LeadingNumber number = LeadingNumber::of(text);
    if (number.whole.size() > 13)
        return number.negative ? -hundredths_limit : hundredths_limit;
    const QString cents = number.fraction.leftJustified(2, u'0', true);
    qint64 value =
        (number.whole.isEmpty() ? 0 : number.whole.toLongLong()) * 100 + cents.toLongLong();
    const QStringView rest = QStringView(number.fraction).mid(2);
    if (!rest.isEmpty()) {
        // Above or below the half decides; exactly half goes to the even hundredth.
        const bool above_half = rest.front() > u'5' || (rest.front() == u'5' && rest.size() > 1);
        const bool half = rest.front() == u'5' && rest.size() == 1;
        if (above_half || (half && value % 2 == 1))
            ++value;
    }
    value = std::min(value, hundredths_limit);
    return number.negative ? -value : value;
}

QString hundredths_text(qint64 hundredths, QChar point) {
    const bool negative = hundredths < 0;
    const qint64 magnitude = negative ? -hundredths : hundredths;
    QString text = QString::number(magnitude / 100);
    if (const qint64 cents = magnitude % 100; cents != 0) {
        QString fraction = QString::number(cents).rightJustified(2, u'0');
        if (fraction.endsWith(u'0'))
            fraction.chop(1);
        text += point + fraction;
    }
    return negative ? u'-' + text : text;
}

} // namespace vinylix
