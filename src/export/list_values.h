#pragma once

#include "settings/options.h"
#include "store/album_record.h"

#include <QString>
#include <vector>

namespace vinylix {

// The product's home page, named in the credit of both lists.
inline const QString home_page = QStringLiteral("https://vinylix.example.org/");

// A control character (C0, DEL or C1: U+0000 to U+001F, U+007F to U+009F) is not shown as a
// letter: inside a value it would break a list's lines, or read back as another character.
constexpr bool is_control(char16_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// A value as the lists write it, from `from` on: each control character as one space, every
// other character as stored. "a\r\nb" gives "a  b"; the length never changes, so columns
// measured on the stored values still line up.
void blank_controls(QString& text, qsizetype from = 0);

// An export check box counts as ticked when its state is 1.
inline bool ticked(CheckState state) {
    return state == 1;
}

// The album properties whose boxes are ticked, in the lists' order: Year, Cover, Cds, Kbps,
// CD, Size. Year and Size ticked give {Field::Year, Field::Size}.
std::vector<Field> ticked_properties(const ExportOptions& options);

} // namespace vinylix
