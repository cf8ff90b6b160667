#pragma once

#include "store/album_record.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace vinylix {

class Recordset;

// Number of spreadsheet fields, and of the check boxes beside their positions.
inline constexpr int spreadsheet_field_count = 8;

// Tick k says whether the field at position k of the field order goes into the rows.
using FieldTicks = std::array<bool, spreadsheet_field_count>;

// The album field a spreadsheet field name stands for ("CD #" is `CD`); nothing for a name
// outside the eight.
std::optional<Field> spreadsheet_field(QStringView name);

// True when `order` holds each of the eight spreadsheet field names exactly once.
bool is_spreadsheet_order(const QStringList& order);

// One row: the values of the ticked fields in list order, separated by tabs, with the first
// "." of a size turned into a decimal comma. A value is kept to one line (one_line: a tab, a line
// break or another control character is one space), so every album is one row of the same
// columns: "one\r\ntwo\tthree" gives "one two three". Names outside the eight contribute nothing;
// an album with no ticked field gives the empty row.
QString spreadsheet_row(const AlbumRecord& album, const QStringList& order,
                        const FieldTicks& ticks);

// The rows of every album of `set` whose shelf disc is exactly `disc` ("012" is not "12"), in
// the recordset's order, joined by CR LF, without a header line or a final line end. The
// cursor is put back where it stood.
QString spreadsheet_rows(Recordset& set, const QString& disc, const QStringList& order,
                         const FieldTicks& ticks);

// The text a disc-number box shows once left: its leading digits without leading zeros, or
// "0" when it has none (the decimal form of its number, however many digits it has).
QString disc_number_text(QStringView text);

} // namespace vinylix
