#include "statistics.h"

#include "album_record.h"
#include "numeric_value.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <algorithm>
#include <limits>

namespace vinylix {

QString Statistics::total_size_text(QChar point) const {
    return hundredths_text(total_size_hundredths, point);
}

namespace {

QByteArrayView bytes_of(SQLite::Statement& row, int column) {
    const SQLite::Column value = row.getColumn(column);
    return value.isNull() ? QByteArrayView() : QByteArrayView(value.getText(), value.getBytes());
}

// Shelf numbers beyond this are held at it, so adding the audio CDs cannot overflow.
constexpr qint64 highest_counted_disc = std::numeric_limits<qint64>::max() / 2;
// The total size is held below this (in hundredths), so one more size can always be added.
constexpr qint64 highest_total_size = std::numeric_limits<qint64>::max() / 2;

const QByteArray audio_cd_utf8 = audio_cd_label.toUtf8();
const QByteArray not_applicable_utf8 = not_applicable.toUtf8();

} // namespace

void StatisticsTally::add(QByteArrayView artist, QByteArrayView disc, QByteArrayView megabytes) {
    ++s_.number_of_albums;
    // Names compared exactly, letter case included; an artist's albums mostly follow one
    // another, so a name is decoded once for them.
    if (artist != last_artist_ || s_.number_of_albums == 1) {
        artists_.insert(QString::fromUtf8(artist));
        last_artist_ = artist.toByteArray();
    }
    if (disc == audio_cd_utf8) {
        ++audio_cds_;
        return;
    }
    highest_disc_ = std::max(highest_disc_, whole_value(disc, 0, highest_counted_disc));
    if (megabytes != not_applicable_utf8)
        s_.total_size_hundredths =
            std::clamp(s_.total_size_hundredths + hundredths_value(megabytes), -highest_total_size,
                       highest_total_size);
}

Statistics StatisticsTally::result() const {
    Statistics s = s_;
    s.number_of_artists = artists_.size();
    s.number_of_cds = highest_disc_ + audio_cds_;
    return s;
}

std::optional<Statistics> compute_statistics(const std::shared_ptr<Catalogue>& catalogue,
                                             QString* error) {
    if (!catalogue) {
        *error = QStringLiteral("The catalogue is not open.");
        return std::nullopt;
    }
    // One pass over the three fields the figures need, in the table's order; the main
    // recordset is not touched.
    StatisticsTally tally;
    const bool read = catalogue->run(
        [&] {
            SQLite::Statement row(catalogue->database(),
                                  "SELECT Artist, CD, Size FROM vinylix ORDER BY rowid");
            while (row.executeStep())
                tally.add(bytes_of(row, 0), bytes_of(row, 1), bytes_of(row, 2));
        },
        error);
    if (!read)
        return std::nullopt;
    return tally.result();
}

Statistics statistics_of(const std::vector<AlbumRecord>& albums) {
    StatisticsTally tally;
    for (const AlbumRecord& a : albums)
        tally.add(a[Field::Artist].toUtf8(), a[Field::CD].toUtf8(), a[Field::Size].toUtf8());
    return tally.result();
}

} // namespace vinylix
