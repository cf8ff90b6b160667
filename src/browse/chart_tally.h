#pragma once

#include "catalogue_charts.h"
#include "store/row_store.h"

#include <QHash>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vinylix {

// How the rows come: in the browser's order (an artist's rows together, the artists in the
// order of their keys), or in any order.
enum class RowOrder { Browser, Any };

// The figures of the statistics window gathered album by album over rows held in memory.
class ChartTally {
public:
    ChartTally(const RowStore& rows, int this_year, RowOrder order);

    // Counts the rows [begin, end). False when they were to come in the browser's order and
    // one does not (its artist comes before the one of the row before); counting then stops.
    bool add(std::size_t begin, std::size_t end);
    // True when every artist counted here comes before every one counted by `later`, in the
    // browser's order; `append` then adds what `later` counted.
    bool comes_before(const ChartTally& later) const;
    void append(const ChartTally& later);

    CatalogueCharts result() const;

private:
    struct Artist {
        std::size_t first_row; // where the browser meets it, and under which spelling
        qint64 albums;
    };
    // Albums counted by a text, found without copying the text they are looked up by.
    struct ViewHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>{}(text);
        }
    };
    using TextCounts = std::unordered_map<std::string, qint64, ViewHash, std::equal_to<>>;

    bool add_row(std::size_t i);
    bool add_artist(std::size_t i);
    std::size_t new_artist(std::size_t row);
    void add_bitrate(QByteArrayView kbps);
    void add_disc(QByteArrayView cd, QByteArrayView size);
    DiscBar& disc_of(qint64 number);

    std::vector<ChartBar> year_bars() const;
    std::vector<ChartBar> bitrate_bars() const;
    std::vector<DiscBar> disc_bars() const;
    std::vector<ChartBar> artist_bars() const;

    const RowStore& rows_;
    int this_year_;
    RowOrder order_;
    StatisticsTally figures_;
    std::vector<qint64> years_; // from 1900 on
    qint64 unknown_years_ = 0;
    TextCounts bitrates_;
    TextCounts::value_type* last_bitrate_ = nullptr;
    std::vector<DiscBar> near_discs_; // by number; a number without albums is no disc
    std::unordered_map<qint64, DiscBar> far_discs_;
    qint64 audio_cds_ = 0;
    qint64 off_shelf_ = 0;
    std::vector<Artist> artists_;
    QHash<QString, std::size_t> artist_of_key_; // for rows in any order
    const QString* first_key_ = nullptr;
    const QString* last_key_ = nullptr;
    std::size_t last_artist_ = 0;
};

} // namespace vinylix
