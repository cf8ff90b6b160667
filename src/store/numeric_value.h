#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace vinylix {

// The leading decimal number of a text, digit for digit: blanks before it are skipped, a sign
// may lead, "." is the decimal point whatever the user's locale. Leading zeros of the whole
// part and trailing zeros of the fraction are dropped. " 007.50abc" is 7.5; "CDA" and "" are 0.
struct LeadingNumber {
    bool negative = false;
    QString whole;    // digits, no leading zero; empty for 0
    QString fraction; // digits, no trailing zero

    static LeadingNumber of(QStringView text);
    bool is_zero() const { return whole.isEmpty() && fraction.isEmpty(); }
    // Written with digits only, never with an exponent: "7.5", "0", "-12",
    // "99999999999999999999999".
    QString text() const;
    // -1, 0 or 1 as this number is below, equal to or above `other`.
    int compare(const LeadingNumber& other) const;
};

// The numeric value of a text as a double ("650.25" gives 650.25, "-3" gives -3, "CDA" 0).
double numeric_value(QStringView text);

// The numeric value written back as text: "007" gives "7", "" gives "0", long runs of digits
// stay exact.
QString numeric_text(QStringView text);

// The whole part of the numeric value (the fraction cut off), held within [low, high]:
// a huge count or shelf number saturates instead of overflowing.
qint64 whole_value(QStringView text, qint64 low, qint64 high);
// The same for the text as UTF-8 bytes (its digits, blanks, sign and point are ASCII).
qint64 whole_value(QByteArrayView utf8, qint64 low, qint64 high);

// The numeric value in hundredths, rounded to two decimals with halves to the even digit:
// "1.015" gives 102, "0.025" gives 2, "650.5" gives 65050. Saturates far below overflow
// (at ±10^15 hundredths), so sums of many of them cannot overflow either.
qint64 hundredths_value(QStringView text);
qint64 hundredths_value(QByteArrayView utf8);

// Hundredths written as a plain number: 102 gives "1.02", 65050 gives "650.5", 300 gives "3".
// `point` is the decimal separator.
QString hundredths_text(qint64 hundredths, QChar point = u'.');

// A size as the lists and spreadsheet rows write it, in place: the first "." at `from` or
// after it becomes ",". "650.5" gives "650,5", "1.2.3" gives "1,2.3", "1200" stays "1200".
// `Text` is QString or a byte buffer with indexOf and operator[].
template <typename Text> void put_decimal_comma(Text& text, qsizetype from = 0) {
    if (const qsizetype point = text.indexOf('.', from); point >= 0)
        text[point] = ',';
}

} // namespace vinylix
