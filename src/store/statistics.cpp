#include "statistics.h"

#include "album_record.h"
#include "numeric_value.h"

#include <QSet>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <algorithm>
#include <limits>

namespace vinylix {

QString Statistics::total_size_text(QChar point) const {
    return hundredths_text(total_size_hundredths, point);
}

namespace {

QString text_of(SQLite::Statement& row, int column) {
    const SQLite::Column value = row.getColumn(column);
    return value.isNull() ? QString() : QString::fromUtf8(value.getText(), value.getBytes());
}

// Shelf numbers beyond this are held at it, so adding the audio CDs cannot overflow.
constexpr qint64 highest_counted_disc = std::numeric_limits<qint64>::max() / 2;
// The total size is held below this (in hundredths), so one more size can always be added.
constexpr qint64 highest_total_size = std::numeric_limits<qint64>::max() / 2;

} // namespace

Statistics compute_statistics(const std::shared_ptr<Catalogue>& catalogue) {
    Statistics s;
    if (!catalogue)
        return s;
    // One pass over the three fields the figures need, in the table's order; the main
    // recordset is not touched.
    QSet<QString> artists;
    qint64 highest_disc = 0;
    qint64 audio_cds = 0;
    const bool read = catalogue->run(
        [&] {
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
                highest_disc = std::max(highest_disc, whole_value(disc, 0, highest_counted_disc));
                if (const QString megabytes = text_of(row, 2); megabytes != not_applicable)
                    s.total_size_hundredths =
                        std::clamp(s.total_size_hundredths + hundredths_value(megabytes),
                                   -highest_total_size, highest_total_size);
            }
        },
        nullptr);
    if (!read)
        return Statistics{};
    s.number_of_artists = artists.size();
    s.number_of_cds = highest_disc + audio_cds;
    return s;
}

} // namespace vinylix
