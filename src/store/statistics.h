#pragma once

#include "album_record.h"
#include "catalogue.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QSet>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace vinylix {

// The four figures that sum up the catalogue.
struct Statistics {
    qint64 number_of_artists = 0; // names compared exactly, letter case included
    qint64 number_of_albums = 0;
    qint64 number_of_cds = 0; // highest shelf disc number plus the audio CDs
    // Megabytes in hundredths: each size is rounded to two decimals (halves to the even
    // digit) as it is added, so 1 + 0.015 gives 1.02 exactly.
    qint64 total_size_hundredths = 0;

    // The total size as a plain number: "1.02", "650.5", "0"; `point` is the decimal separator.
    QString total_size_text(QChar point = u'.') const;
    bool operator==(const Statistics&) const = default;
};

// The four figures gathered one album at a time, from its `Artist`, `CD` and `Size` as UTF-8
// (as the catalogue stores them and the recordset holds them); the order of the albums makes
// no difference.
class StatisticsTally {
public:
    void add(QByteArrayView artist, QByteArrayView disc, QByteArrayView megabytes);
    Statistics result() const;

private:
    Statistics s_;
    QSet<QString> artists_;
    QByteArray last_artist_;
    qint64 highest_disc_ = 0;
    qint64 audio_cds_ = 0;
};

// Reads the catalogue by a query of its own (the main recordset is not touched).
// An empty catalogue gives zeros; one that is not open or cannot be read gives nothing, and
// the reason in `error`.
std::optional<Statistics> compute_statistics(const std::shared_ptr<Catalogue>& catalogue,
                                             QString* error);

// The same figures for `albums` already read (the export reads every album anyway); the order
// of the albums makes no difference.
Statistics statistics_of(const std::vector<AlbumRecord>& albums);

} // namespace vinylix
