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

std::optional<QByteArrayView> StatisticsTally::known(QByteArrayView name) const {
    if (const auto at = std::find(recent_.begin(), recent_.end(), name); at != recent_.end())
        return *at;
    if (older_.isEmpty())
        return std::nullopt;
    if (const auto at = older_.constFind(name); at != older_.constEnd())
        return *at;
    return std::nullopt;
}

QByteArrayView StatisticsTally::keep(QByteArrayView name) {
    constexpr std::size_t recent_names = 8;
    if (recent_.size() == recent_names) {
        for (const QByteArrayView n : recent_)
            older_.insert(n);
        recent_.clear();
    }
    return recent_.emplace_back(
        names_stay_ ? name : QByteArrayView(copies_.emplace_back(name.toByteArray())));
}

void StatisticsTally::add(QByteArrayView artist, QByteArrayView disc, QByteArrayView megabytes) {
    ++s_.number_of_albums;
    // Names compared exactly, letter case included; an artist's albums mostly follow one
    // another, so a name is looked up once for them.
    if (!has_last_ || artist != last_artist_) {
        const std::optional<QByteArrayView> met = known(artist);
        last_artist_ = met ? *met : keep(artist);
        has_last_ = true;
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

void StatisticsTally::artists_apart() {
    artists_apart_ += qint64(recent_.size()) + older_.size();
    recent_.clear();
    if (!older_.isEmpty())
        older_.clear();
    copies_.clear();
    has_last_ = false;
}

void StatisticsTally::append(const StatisticsTally& later) {
    artists_apart();
    artists_apart_ += later.result().number_of_artists;
    s_.number_of_albums += later.s_.number_of_albums;
    highest_disc_ = std::max(highest_disc_, later.highest_disc_);
    audio_cds_ += later.audio_cds_;
    s_.total_size_hundredths = std::clamp(s_.total_size_hundredths + later.s_.total_size_hundredths,
                                          -highest_total_size, highest_total_size);
}

Statistics StatisticsTally::result() const {
    Statistics s = s_;
    s.number_of_artists = artists_apart_ + qint64(recent_.size()) + older_.size();
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
