#include "numeric_value.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace vinylix {

namespace {

char16_t unit_of(QChar c) {
    return c.unicode();
}
char16_t unit_of(char c) {
    return char16_t(static_cast<unsigned char>(c));
}

template <typename Text> bool is_digit_at(Text text, qsizetype i) {
    return i < text.size() && unit_of(text[i]) >= u'0' && unit_of(text[i]) <= u'9';
}

int digit_at(auto text, qsizetype i) {
    return unit_of(text[i]) - u'0';
}

// The parts of the leading number, pointing into the text: no copy is made, so the figures of
// a million albums are read without allocating.
template <typename Text> struct NumberParts {
    bool negative = false;
    Text whole;    // digits, no leading zero
    Text fraction; // digits, no trailing zero
};

template <typename Text> NumberParts<Text> parts_of(Text text) {
    NumberParts<Text> number;
    qsizetype i = 0;
    while (i < text.size() && (unit_of(text[i]) == u' ' || unit_of(text[i]) == u'\t'))
        ++i;
    if (i < text.size() && (unit_of(text[i]) == u'+' || unit_of(text[i]) == u'-'))
        number.negative = unit_of(text[i++]) == u'-';
    const qsizetype start = i;
    while (is_digit_at(text, i))
        ++i;
    number.whole = text.sliced(start, i - start);
    if (i < text.size() && unit_of(text[i]) == u'.') {
        const qsizetype from = ++i;
        while (is_digit_at(text, i))
            ++i;
        number.fraction = text.sliced(from, i - from);
    }
    while (!number.whole.isEmpty() && unit_of(number.whole.front()) == u'0')
        number.whole = number.whole.sliced(1);
    while (!number.fraction.isEmpty() && unit_of(number.fraction.back()) == u'0')
        number.fraction.chop(1);
    if (number.whole.isEmpty() && number.fraction.isEmpty())
        number.negative = false;
    return number;
}

// Digits as a number; at most 18 of them, which always fit.
template <typename Text> qint64 digits_value(Text digits) {
    qint64 value = 0;
    for (qsizetype i = 0; i < digits.size(); ++i)
        value = value * 10 + digit_at(digits, i);
    return value;
}

constexpr qint64 hundredths_limit = 1'000'000'000'000'000; // 10^15

template <typename Text> qint64 whole_of(Text text, qint64 low, qint64 high) {
    const NumberParts<Text> number = parts_of(text);
    // 18 digits always fit; beyond that the value saturates.
    const qint64 magnitude =
        number.whole.size() > 18 ? std::numeric_limits<qint64>::max() : digits_value(number.whole);
    return std::clamp(number.negative ? -magnitude : magnitude, low, high);
}

template <typename Text> qint64 hundredths_of(Text text) {
    const NumberParts<Text> number = parts_of(text);
    if (number.whole.size() > 13)
        return number.negative ? -hundredths_limit : hundredths_limit;
    const Text fraction = number.fraction;
    qint64 value = digits_value(number.whole) * 100;
    if (fraction.size() > 0)
        value += 10 * digit_at(fraction, 0);
    if (fraction.size() > 1)
        value += digit_at(fraction, 1);
    if (fraction.size() > 2) {
        // Above or below the half decides; exactly half goes to the even hundredth.
        const int next = digit_at(fraction, 2);
        const bool above_half = next > 5 || (next == 5 && fraction.size() > 3);
        const bool half = next == 5 && fraction.size() == 3;
        if (above_half || (half && value % 2 == 1))
            ++value;
    }
    value = std::min(value, hundredths_limit);
    return number.negative ? -value : value;
}

} // namespace

LeadingNumber LeadingNumber::of(QStringView text) {
    const NumberParts<QStringView> parts = parts_of(text);
    LeadingNumber number;
    number.negative = parts.negative;
    number.whole = parts.whole.toString();
    number.fraction = parts.fraction.toString();
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
    return whole_of(text, low, high);
}

qint64 whole_value(QByteArrayView utf8, qint64 low, qint64 high) {
    return whole_of(utf8, low, high);
}

qint64 hundredths_value(QStringView text) {
    return hundredths_of(text);
}

qint64 hundredths_value(QByteArrayView utf8) {
    return hundredths_of(utf8);
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
