#include "statistics.h"

#include "album_record.h"
#include "numeric_value.h"

#include <QSet>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

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

namespace {

QString text_of(SQLite::Statement& row, int column) {
    const SQLite::Column value = row.getColumn(column);
    return value.isNull() ? QString() : QString::fromUtf8(value.getText(), value.getBytes());
}

} // namespace

Statistics compute_statistics(const std::shared_ptr<Catalogue>& catalogue) {
    Statistics s;
    if (!catalogue)
        return s;
    // One pass over the three fields the figures need, in the table's order; the main
    // recordset is not touched.
    QSet<QString> artists;
    double highest_disc = 0;
    qint64 audio_cds = 0;
    try {
        SQLite::Statement row(catalogue->database(),
                              "SELECT Artist, CD, Size FROM vinylix ORDER BY rowid");
        while (row.executeStep()) {
            ++s.number_of_albums;
            artists.insert(text_of(row, 0)); // names compared exactly, letter case included
            const QString disc = text_of(row, 1);
            if (disc == audio_cd_label) {
                ++audio_cds;
                continue;
            }
            highest_disc = std::max(highest_disc, numeric_value(disc));
            const QString megabytes = text_of(row, 2);
            if (megabytes != not_applicable)
                s.total_size = round_to_cents(s.total_size + numeric_value(megabytes));
        }
    } catch (const std::exception&) {
        return Statistics{};
    }
    s.number_of_artists = artists.size();
    s.number_of_cds = qint64(highest_disc) + audio_cds;
    return s;
}

} // namespace vinylix
