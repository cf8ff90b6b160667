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
    return numeric_text(text);
}

} // namespace vinylix
