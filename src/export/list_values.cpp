#include "list_values.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vinylix {

void blank_controls(QString& text, qsizetype from) {
    const auto control = [](QChar c) { return is_control(c.unicode()); };
    const qsizetype first =
        std::find_if(text.cbegin() + from, text.cend(), control) - text.cbegin();
    if (first == text.size())
        return; // nothing to change: a shared text is not copied
    std::replace_if(text.begin() + first, text.end(), control, QChar(u' '));
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
