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

// The figures gathered one album at a time.
class Tally {
public:
    void add(const QString& artist, const QString& disc, const QString& megabytes) {
        ++s_.number_of_albums;
        // Names compared exactly, letter case included. A text shared with the album before
        // (albums read as values share repeated texts) was counted with it.
        if (!same_text(artist, last_artist_))
            artists_.insert(artist);
        last_artist_ = artist;
        if (disc == audio_cd_label) {
            ++audio_cds_;
            return;
        }
        if (!same_text(disc, last_disc_))
            highest_disc_ = std::max(highest_disc_, whole_value(disc, 0, highest_counted_disc));
        last_disc_ = disc;
        if (megabytes != not_applicable)
            s_.total_size_hundredths =
                std::clamp(s_.total_size_hundredths + hundredths_value(megabytes),
                           -highest_total_size, highest_total_size);
    }
    Statistics result() const {
        Statistics s = s_;
        s.number_of_artists = artists_.size();
        s.number_of_cds = highest_disc_ + audio_cds_;
        return s;
    }

private:
    static bool same_text(const QString& a, const QString& b) {
        return !a.isEmpty() && a.constData() == b.constData();
    }

    Statistics s_;
    QSet<QString> artists_;
    QString last_artist_;
    QString last_disc_;
    qint64 highest_disc_ = 0;
    qint64 audio_cds_ = 0;
};

} // namespace

std::optional<Statistics> compute_statistics(const std::shared_ptr<Catalogue>& catalogue,
                                             QString* error) {
    if (!catalogue) {
        *error = QStringLiteral("The catalogue is not open.");
        return std::nullopt;
    }
    // One pass over the three fields the figures need, in the table's order; the main
    // recordset is not touched.
    Tally tally;
    const bool read = catalogue->run(
        [&] {
            SQLite::Statement row(catalogue->database(),
                                  "SELECT Artist, CD, Size FROM vinylix ORDER BY rowid");
            while (row.executeStep())
                tally.add(text_of(row, 0), text_of(row, 1), text_of(row, 2));
        },
        error);
    if (!read)
        return std::nullopt;
    return tally.result();
}

Statistics statistics_of(const std::vector<AlbumRecord>& albums) {
    Tally tally;
    for (const AlbumRecord& a : albums)
        tally.add(a[Field::Artist], a[Field::CD], a[Field::Size]);
    return tally.result();
}

} // namespace vinylix
