#include "statistics.h"

#include "store/album_record.h"
#include "store/numeric_value.h"
#include "store/recordset.h"

#include <cmath>

namespace vinylix {

double round_to_cents(double value) {
    return std::nearbyint(value * 100.0) / 100.0; // the default rounding mode: halves to even
}

QString plain_number(double value) {
    QString text = QString::number(value, 'f', 2);
    while (text.contains(u'.') && (text.endsWith(u'0') || text.endsWith(u'.')))
        text.chop(1);
    return text == QStringLiteral("-0") ? QStringLiteral("0") : text;
}

Statistics compute_statistics(const std::shared_ptr<Catalogue>& catalogue) {
    Statistics s;
    QString error;
    const auto set = Recordset::open(catalogue, Query::ByArtist, &error);
    if (!set || set->record_count() == 0)
        return s;
    const int artist = set->field_position(field_name(Field::Artist));
    const int cd = set->field_position(field_name(Field::CD));
    const int size = set->field_position(field_name(Field::Size));

    QString previous;
    double highest_disc = 0;
    qint64 audio_cds = 0;
    for (set->move_first(); !set->eof(); set->move_next()) {
        const QString name = set->value(artist);
        if (s.number_of_artists == 0 || name != previous) {
            ++s.number_of_artists;
            previous = name;
        }
        const QString disc = set->value(cd);
        if (disc == audio_cd_label) {
            ++audio_cds;
            continue;
        }
        highest_disc = std::max(highest_disc, numeric_value(disc));
        const QString megabytes = set->value(size);
        if (megabytes != not_applicable)
            s.total_size = round_to_cents(s.total_size + numeric_value(megabytes));
    }
    s.number_of_albums = set->record_count();
    s.number_of_cds = qint64(highest_disc) + audio_cds;
    return s;
}

} // namespace vinylix
