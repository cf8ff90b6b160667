#include "spreadsheet_rows.h"

#include "settings/options.h"
#include "store/control_text.h"
#include "store/line_end.h"
#include "store/numeric_value.h"
#include "store/recordset.h"

#include <QStringView>
#include <algorithm>

namespace vinylix {

namespace {

bool on_disc(const AlbumRecord& album, const QString& disc) {
    return album[Field::CD] == disc; // exact: "012" is not "12", "cda" is not "CDA"
}

} // namespace

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

QString spreadsheet_rows(const std::vector<AlbumRecord>& albums, const QString& disc,
                         const QStringList& order, const FieldTicks& ticks) {
    QStringList rows;
    for (const AlbumRecord& album : albums)
        if (on_disc(album, disc))
            rows << spreadsheet_row(album, order, ticks);
    return rows.join(crlf);
}

QString spreadsheet_rows(Recordset& set, const QString& disc, const QStringList& order,
                         const FieldTicks& ticks) {
    const int kept = set.absolute_position();
    const QString cd_field = field_name(Field::CD);
    QStringList rows;
    for (set.move_first(); !set.eof(); set.move_next())
        if (set.value(cd_field) == disc) // read the whole record only for a match
            rows << spreadsheet_row(set.record(), order, ticks);
    if (kept >= 0)
        set.set_absolute_position(kept);
    return rows.join(crlf);
}

QString disc_number_text(QStringView text) {
    return numeric_text(text);
}

} // namespace vinylix
