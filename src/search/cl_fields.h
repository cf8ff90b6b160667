#pragma once

#include "first_met_values.h"
#include "store/progress.h"
#include "store/recordset.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace vinylix {

// The fields the field browser offers: the entries of its field list, in order.
enum class BrowsedField { Cover = 0, Cds = 1, Kbps = 2, CD = 3, Year = 4 };

// The field browser over the main recordset: the distinct values of five fields, collected in
// one pass and kept until the next collection, and the albums that hold a chosen value.
class CL_Fields {
public:
    // "Cover", "Nr. of Cds", "Bitrate", "CD nº", "Year".
    static QStringList field_captions();

    // Collects, in one pass over `artists` (null: the catalogue is not open), the distinct
    // values of Cds (as numbers), Kbps, CD and Year (empty years left out), each in the order
    // first met. `progress` is told the records done after each record.
    void load_props(Recordset* artists, const ProgressFn& progress = {});

    // The entries the value list shows for the field `field`, in the
    // list's alphabetical order; none when `artists` is null or empty. Shelf CD numbers are
    // padded with zeros to one width ("CD nº005") so that this order is their numeric order.
    QStringList display_sub_prop(const Recordset* artists, BrowsedField field) const;

    // "Artist - Album" of every album, in the recordset's order, whose field `field`
    // equals (ignoring letter case) the value shown by the entry `entry`. The recordset's
    // cursor is left where it was.
    static QStringList display_prop(Recordset* artists, BrowsedField field, const QString& entry);

    // The criteria that finds the albums of entry `entry` of the field `field`.
    static std::optional<Criteria> criteria_for(BrowsedField field, const QString& entry);

    // The text that copies `lines`: every line followed by CR LF.
    static QString results_text(const QStringList& lines);

    static QStringList cover_values();
    const std::vector<qint64>& cds_values() const { return cds_.values(); }
    const std::vector<QString>& kbps_values() const { return kbps_.values(); }
    const std::vector<QString>& cd_values() const { return cd_.values(); }
    const std::vector<QString>& year_values() const { return year_.values(); }

private:
    void collect(const Recordset& set);
    QStringList cd_entries() const;

    FirstMetValues<qint64> cds_;
    FirstMetValues<QString> kbps_;
    FirstMetValues<QString> cd_;
    FirstMetValues<QString> year_;
};

} // namespace vinylix
