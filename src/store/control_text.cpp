#include "control_text.h"

#include "line_end.h"

#include <algorithm>
#include <string_view>

namespace vinylix {

namespace {

bool has_control(QStringView text) {
    // One pass without an early exit, which the compiler turns into wide compares: a list
    // makes millions of values, and almost none of them holds a control character.
    unsigned controls = 0;
    for (const char16_t c : std::u16string_view(text.utf16(), std::size_t(text.size())))
        controls |= unsigned(is_control(c));
    return controls != 0;
}

void blank(QString& text, qsizetype from) {
    std::replace_if(
        text.begin() + from, text.end(), [](QChar c) { return is_control(c.unicode()); },
        QChar(u' '));
}

} // namespace

QString one_line(QString text) {
    if (!has_control(text))
        return text;
    text.replace(crlf, QStringLiteral(" "));
    blank(text, 0);
    return text;
}

void blank_controls(QString& text, qsizetype from) {
    if (has_control(QStringView(text).sliced(from)))
        blank(text, from); // nothing to change otherwise: a shared text is not copied
}

} // namespace vinylix
