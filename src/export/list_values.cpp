#include "list_values.h"

#include "browse/statistics.h"

#include <array>
#include <utility>

namespace vinylix {

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

QString total_size_text(double total_size, const QString& decimal_point) {
    QString text = plain_number(total_size);
    const qsizetype point = text.indexOf(u'.');
    if (point >= 0)
        text.replace(point, 1, decimal_point);
    return text;
}

} // namespace vinylix
