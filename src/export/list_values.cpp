#include "list_values.h"

#include <array>
#include <utility>

namespace vinylix {

std::vector<Field> ticked_properties(const ExportOptions& options) {
    static const std::array<std::pair<bool ExportOptions::*, Field>, 6> boxes = {{
        {&ExportOptions::year, Field::Year},
        {&ExportOptions::cover, Field::Cover},
        {&ExportOptions::nrofcds, Field::Cds},
        {&ExportOptions::kbps, Field::Kbps},
        {&ExportOptions::cdnr, Field::CD},
        {&ExportOptions::size, Field::Size},
    }};
    std::vector<Field> fields;
    for (const auto& [box, field] : boxes)
        if (options.*box)
            fields.push_back(field);
    return fields;
}

} // namespace vinylix
