#include "disc_number.h"

#include <algorithm>

namespace vinylix {

namespace {

constexpr int most_digits = 9;

char16_t unit_of(QChar c) {
    return c.unicode();
}
char16_t unit_of(char c) {
    return char16_t(static_cast<unsigned char>(c));
}

template <typename Text> std::optional<qint64> number_of(Text cd) {
    if (cd.isEmpty())
        return std::nullopt;
    qint64 number = 0;
    int digits = 0;
    for (const auto c : cd) {
        const char16_t unit = unit_of(c);
        if (unit < u'0' || unit > u'9')
            return std::nullopt;
        if (number == 0 && unit == u'0')
            continue; // a leading zero
        if (++digits > most_digits)
            return std::nullopt;
        number = number * 10 + (unit - u'0');
    }
    return number;
}

} // namespace

std::optional<qint64> disc_number(QStringView cd) {
    return number_of(cd);
}

std::optional<qint64> disc_number(QByteArrayView cd) {
    return number_of(cd);
}

QString disc_number_text(const QString& cd) {
    const auto significant =
        std::find_if(cd.cbegin(), cd.cend(), [](QChar c) { return c != u'0'; });
    if (significant == cd.cbegin())
        return cd;
    return significant == cd.cend() ? QStringLiteral("0") : cd.sliced(significant - cd.cbegin());
}

} // namespace vinylix
