#include "numeric_value.h"

#include <charconv>
#include <cmath>
#include <string>

namespace vinylix {

double numeric_value(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    std::string number;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        number += static_cast<char>(text[i++].unicode());
    bool digits = false;
    bool point = false;
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c >= u'0' && c <= u'9') {
            number += static_cast<char>(c);
            digits = true;
        } else if (c == u'.' && !point) {
            number += '.';
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return 0.0;
    // from_chars ignores the locale: "." is the decimal point whatever the user's settings.
    double value = 0.0;
    const char* first = number.data();
    if (*first == '+')
        ++first;
    const auto result = std::from_chars(first, number.data() + number.size(), value);
    if (result.ec != std::errc() || !std::isfinite(value))
        return 0.0;
    return value;
}

} // namespace vinylix
