#include "field_text.h"

#include "store/album_record.h"
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

QString shelf_location(const QString& text) {
    if (text.isEmpty() || text == audio_cd_label)
        return text;
    qsizetype end = 0;
    while (end < text.size() && text[end] >= u'0' && text[end] <= u'9')
        ++end;
    qsizetype first = 0;
    while (first < end && text[first] == u'0')
        ++first;
    return first == end ? QStringLiteral("0") : text.mid(first, end - first);
}

} // namespace vinylix
