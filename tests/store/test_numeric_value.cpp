#include "store/numeric_value.h"
#include "support/test_registry.h"

#include <QTest>
#include <limits>

using namespace vinylix;

class NumericValueTest : public QObject {
    Q_OBJECT
private slots:
    void the_leading_number_is_read_whatever_follows() {
        QCOMPARE(numeric_value(u"650.25"), 650.25);
        QCOMPARE(numeric_value(u"3.5.1"), 3.5);
        QCOMPARE(numeric_value(u"650,5"), 650.0); // "." is the decimal point in every locale
        QCOMPARE(numeric_value(u"-4"), -4.0);
        for (const char16_t* none : {u"CDA", u"-", u"", u".", u"+"})
            QCOMPARE(numeric_value(none), 0.0);
    }

    // Written back with digits only: boxes normalised on leaving, padded shelf numbers.
    void numeric_text_keeps_every_digit_and_never_uses_an_exponent() {
        QCOMPARE(numeric_text(u"007"), u"7");
        QCOMPARE(numeric_text(u""), u"0");
        QCOMPARE(numeric_text(u"12.50x"), u"12.5");
        QCOMPARE(numeric_text(u"-0.0"), u"0");
        QCOMPARE(numeric_text(u"99999999999999999999999"), u"99999999999999999999999");
        const LeadingNumber big = LeadingNumber::of(u"99999999999999999999999");
        QVERIFY(big.compare(LeadingNumber::of(u"120")) > 0);
        QVERIFY(LeadingNumber::of(u"12.5").compare(LeadingNumber::of(u"12.25")) > 0);
        QVERIFY(LeadingNumber::of(u"-3").compare(LeadingNumber::of(u"2")) < 0);
        QCOMPARE(LeadingNumber::of(u"05").compare(LeadingNumber::of(u"5.0")), 0);
    }

    void whole_values_saturate_at_the_bounds_given() {
        constexpr qint64 top = std::numeric_limits<qint64>::max();
        QCOMPARE(whole_value(u"99999999999", 0, 999), 999);
        QCOMPARE(whole_value(u"99999999999999999999999", 0, top), top);
        QCOMPARE(whole_value(u"-99999999999999999999999", -5, 5), -5);
        QCOMPARE(whole_value(u"12.9", 0, 100), 12); // the fraction is cut off
    }

    void hundredths_round_halves_to_the_even_digit() {
        QCOMPARE(hundredths_value(u"1.015"), 102);
        QCOMPARE(hundredths_value(u"0.025"), 2);
        QCOMPARE(hundredths_value(u"0.0251"), 3);
        QCOMPARE(hundredths_value(u"0.375"), 38);
        QCOMPARE(hundredths_value(u"-1.005"), -100);
        QVERIFY(hundredths_value(u"99999999999999999999999") > 0);
        QCOMPARE(hundredths_text(102), u"1.02");
        QCOMPARE(hundredths_text(65050, u','), u"650,5");
        QCOMPARE(hundredths_text(0), u"0");
        QCOMPARE(hundredths_text(-7), u"-0.07");
    }

    // A field held as UTF-8 (as the catalogue stores it) reads as its text does.
    void utf8_bytes_read_as_their_text() {
        for (const char* text : {"650.25", " 12abc", "-1.005", "0.025", "\t+7.5x", "CDA", "", "-",
                                 "99999999999999999999999", "\xef\xbc\x97",
                                 "1\xc2\xa0"
                                 "2"}) {
            const QString decoded = QString::fromUtf8(text);
            QCOMPARE(hundredths_value(QByteArrayView(text)), hundredths_value(decoded));
            QCOMPARE(whole_value(QByteArrayView(text), -100, 1000),
                     whole_value(decoded, -100, 1000));
        }
    }
};

VINYLIX_TEST(NumericValueTest)
#include "test_numeric_value.moc"
