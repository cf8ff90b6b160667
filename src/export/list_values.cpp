#include "list_values.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace vinylix {

void blank_controls(QString& text, qsizetype from) {
    // One pass without an early exit, which the compiler turns into wide compares: a list
    // makes millions of values, and almost none of them holds a control character.
    const QStringView view = QStringView(text).sliced(from);
    unsigned controls = 0;
    for (const char16_t c : std::u16string_view(view.utf16(), std::size_t(view.size())))
        controls |= unsigned(is_control(c));
    if (controls == 0)
        return; // nothing to change: a shared text is not copied
    std::replace_if(
        text.begin() + from, text.end(), [](QChar c) { return is_control(c.unicode()); },
        QChar(u' '));
}

std::vector<Field> ticked_properties(const ExportOptions& options) {
    static const std::array<std::pair<CheckState ExportOptions::*, Field>, 6> boxes = {{
        {&ExportOptions::year, Field::Year},
        {&ExportOptions::cover, Field::Cover},
        {&ExportOptions::nrofcds, Field::Cds},
        {&ExportOptions::kbps, Field::Kbps},
        {&ExportOptions::cdnr, Field::CD},
        {&ExportOptions::size, Field::Size},
    }};
    std::vector<Field> fields;
    for (const auto& [box, field] : boxes)
        if (ticked(options.*box))
            fields.push_back(field);
    return fields;
}

} // namespace vinylix
