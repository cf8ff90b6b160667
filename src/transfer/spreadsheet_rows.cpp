#include "spreadsheet_rows.h"

#include "settings/options.h"
#include "store/control_text.h"
#include "store/kept_cursor.h"
#include "store/line_end.h"
#include "store/numeric_value.h"
#include "store/recordset.h"

#include <QStringView>
#include <algorithm>

namespace vinylix {

std::optional<Field> spreadsheet_field(QStringView name) {
    for (const SpreadsheetField& f : spreadsheet_fields())
        if (f.name == name)
            return f.field;
    return std::nullopt;
}

bool is_spreadsheet_order(const QStringList& order) {
    if (order.size() != spreadsheet_field_count)
        return false;
    for (qsizetype i = 0; i < order.size(); ++i)
        if (!spreadsheet_field(order[i]) || order.indexOf(order[i]) != i)
            return false;
    return true;
}

QString spreadsheet_row(const AlbumRecord& album, const QStringList& order,
                        const FieldTicks& ticks) {
    QStringList values;
    const qsizetype count = std::min<qsizetype>(order.size(), spreadsheet_field_count);
    for (qsizetype k = 0; k < count; ++k) {
        const auto field = spreadsheet_field(order[k]);
        if (!ticks[std::size_t(k)] || !field)
            continue;
        QString text = album[*field];
        if (*field == Field::Size)
            put_decimal_comma(text); // a decimal-comma spreadsheet reads "650,5" as a number
        values << one_line(text);    // a tab or line break would split the row
    }
    return values.join(u'\t');
}

QString spreadsheet_rows(Recordset& set, const QString& disc, const QStringList& order,
                         const FieldTicks& ticks) {
    const KeptCursor kept(set);
    const QString cd_field = field_name(Field::CD);
    QStringList rows;
    for (set.move_first(); !set.eof(); set.move_next())
        // exact: "012" is not "12", "cda" is not "CDA"; the whole record is read only for a match
        if (set.value(cd_field) == disc)
            rows << spreadsheet_row(set.record(), order, ticks);
    return rows.join(crlf);
}

QString disc_number_text(QStringView text) {
    return numeric_text(text);
}

} // namespace vinylix
