#pragma once

#include <QString>

namespace vinylix {

// A control character: C0, DEL or C1 (U+0000 to U+001F, U+007F to U+009F), or the line or
// paragraph separator (U+2028, U+2029). None is a letter to show: inside a value it would start
// a new line where the value is listed or read back, or read back as another character, so the
// program writes each as a space wherever a value must stay on its line. The stored value is
// left as it is.
constexpr bool is_control(char16_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

// A text kept to one line: each control character becomes a space, a CR LF pair one space.
// "01 - a\r\n== CD 2 ==" -> "01 - a == CD 2 =="; "a\tb" -> "a b"; "Übel" as it is.
QString one_line(QString text);

// The same from `from` on, one space for each control character (a CR LF pair gives two), so
// the length never changes and columns measured on the stored text still line up: "a\r\nb" ->
// "a  b". A text without any control character is not copied.
void blank_controls(QString& text, qsizetype from = 0);

} // namespace vinylix
