#pragma once

#include "album_record.h"
#include "catalogue.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <memory>
#include <optional>
#include <string_view>
#include <unordered_set>
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
    // With `names_stay` the artist names handed in stay in memory, unchanged, as long as the
    // tally (the rows a recordset holds), and are not copied.
    explicit StatisticsTally(bool names_stay = false) : names_stay_(names_stay) {}
    void add(QByteArrayView artist, QByteArrayView disc, QByteArrayView megabytes);
    // Says that no album added from now on has the artist name of an album added so far, as
    // when a recordset's rows come artist by artist: the names met so far are then counted
    // without being kept.
    void artists_apart();
    // Adds the albums `later` counted, whose artists' names none of the albums counted here
    // has (as the second half of rows that come artist by artist).
    void append(const StatisticsTally& later);
    Statistics result() const;

private:
    // The name as the tally holds it: itself when names stay, else a copy of its bytes.
    std::string_view keep(QByteArrayView name);

    bool names_stay_;
    Statistics s_;
    // Names compared exactly, as bytes, and how many were counted and forgotten.
    std::unordered_set<std::string_view> names_;
    qint64 artists_apart_ = 0;
    // The copies of the names, unless they stay: one after another in blocks that never move.
    std::vector<std::unique_ptr<char[]>> copies_;
    char* free_ = nullptr;
    std::size_t room_ = 0;
    std::string_view last_artist_;
    bool has_last_ = false;
    qint64 highest_disc_ = 0;
    qint64 audio_cds_ = 0;
};

// Reads the catalogue by a query of its own (the main recordset is not touched); a large one
// is counted on a second thread while it is read, at about the pace of the engine's reading.
// An empty catalogue gives zeros; one that is not open or cannot be read gives nothing, and
// the reason in `error`.
std::optional<Statistics> compute_statistics(const std::shared_ptr<Catalogue>& catalogue,
                                             QString* error);

// The same figures for `albums` already read (the export reads every album anyway); the order
// of the albums makes no difference.
Statistics statistics_of(const std::vector<AlbumRecord>& albums);

} // namespace vinylix
