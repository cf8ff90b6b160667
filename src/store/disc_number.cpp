#include "disc_number.h"

#include <algorithm>

namespace vinylix {

namespace {

const QChar* first_significant(QStringView cd) {
    return std::find_if(cd.begin(), cd.end(), [](QChar c) { return c != u'0'; });
}

} // namespace

bool is_disc_number(QStringView cd) {
    const auto is_digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    if (cd.isEmpty() || !std::all_of(cd.begin(), cd.end(), is_digit))
        return false;
    return cd.end() - first_significant(cd) <= 9;
}

QString disc_number_text(const QString& cd) {
    const QChar* significant = first_significant(cd);
    if (significant == cd.begin())
        return cd;
    return significant == cd.end() ? QStringLiteral("0") : cd.sliced(significant - cd.begin());
}

} // namespace vinylix
