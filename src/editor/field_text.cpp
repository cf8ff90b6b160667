#include "field_text.h"

#include "store/numeric_value.h"

namespace vinylix {

std::pair<QString, QString> split_size(const QString& size) {
    const qsizetype dot = size.indexOf(u'.');
    if (dot < 0)
        return {size, QString()};
    return {size.left(dot), size.mid(dot + 1)};
}

QString join_size(const QString& whole, const QString& fraction) {
    return fraction.isEmpty() ? whole : whole + u'.' + fraction;
}

QString normalised_number(const QString& text) {
    qsizetype end = 0;
    while (end < text.size() && text[end].isDigit() && text[end].unicode() < 128)
        ++end;
    const bool only_digits = end == text.size() || (end > 0 && text[end] != u'.');
    if (!only_digits || end == 0)
        return QString::number(numeric_value(text), 'g', 15);
    qsizetype first = 0;
    while (first < end - 1 && text[first] == u'0')
        ++first;
    return text.mid(first, end - first);
}

} // namespace vinylix
