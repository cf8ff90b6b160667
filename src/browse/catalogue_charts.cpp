#include "catalogue_charts.h"

#include "store/disc_number.h"
#include "store/numeric_value.h"

#include <QHash>
#include <algorithm>
#include <limits>
#include <string>
#include <string_view>
#include <tuple>
#include <unordered_map>

namespace vinylix {

namespace {

std::string_view view_of(QByteArrayView bytes) {
    return {bytes.data(), std::size_t(bytes.size())};
}

// Albums counted by a text, found without copying the text it is looked up by.
struct ViewHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
        return std::hash<std::string_view>{}(text);
    }
};
using TextCounts = std::unordered_map<std::string, qint64, ViewHash, std::equal_to<>>;

const QByteArray audio_cd_utf8 = audio_cd_label.toUtf8();
const QByteArray not_applicable_utf8 = not_applicable.toUtf8();

// A disc total is held within this, so one more size (at most 10^15 hundredths) always fits.
constexpr qint64 total_limit = std::numeric_limits<qint64>::max() / 2;

// The year a `Year` text names: four digits from 1900 to `this_year`; 0 for any other text.
int year_of(QByteArrayView text, int this_year) {
    if (text.size() != 4)
        return 0;
    int year = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return 0;
        year = year * 10 + (c - '0');
    }
    return year >= first_charted_year && year <= this_year ? year : 0;
}

// The chart figures gathered one album at a time.
class ChartTally {
public:
    ChartTally(const RowStore& rows, int this_year)
        : rows_(rows), this_year_(this_year),
          years_(std::size_t(std::max(0, this_year - first_charted_year + 1)), 0) {}

    void add(std::size_t i) {
        const QByteArrayView artist = rows_.utf8(i, Field::Artist);
        const QByteArrayView cd = rows_.utf8(i, Field::CD);
        const QByteArrayView size = rows_.utf8(i, Field::Size);
        figures_.add(artist, cd, size);
        if (const int year = year_of(rows_.utf8(i, Field::Year), this_year_))
            ++years_[std::size_t(year - first_charted_year)];
        else
            ++unknown_years_;
        add_bitrate(rows_.utf8(i, Field::Kbps));
        add_disc(cd, size);
        add_artist(i);
    }

    CatalogueCharts result() const {
        CatalogueCharts charts;
        charts.figures = figures_.result();
        charts.years = year_bars();
        charts.bitrates = bitrate_bars();
        charts.discs = disc_bars();
        charts.audio_cds = audio_cds_;
        charts.off_shelf = off_shelf_;
        charts.artists = artist_bars();
        return charts;
    }

private:
    struct Artist {
        std::size_t first_row; // where the browser meets it, and under which spelling
        qint64 albums;
    };

    void add_bitrate(QByteArrayView kbps) {
        // Most albums share their bitrate with the album before.
        if (!last_bitrate_ || view_of(kbps) != last_bitrate_->first) {
            const auto found = bitrates_.find(view_of(kbps));
            last_bitrate_ = &*(found != bitrates_.end()
                                   ? found
                                   : bitrates_.emplace(std::string(view_of(kbps)), 0).first);
        }
        ++last_bitrate_->second;
    }

    void add_disc(QByteArrayView cd, QByteArrayView size) {
        if (cd == audio_cd_utf8) {
            ++audio_cds_;
            return;
        }
        const std::optional<qint64> number = disc_number(cd);
        if (!number) {
            ++off_shelf_;
            return;
        }
        DiscBar& disc = discs_[*number];
        disc.number = *number;
        ++disc.albums;
        if (size != not_applicable_utf8)
            disc.size_hundredths = std::clamp(disc.size_hundredths + hundredths_value(size),
                                              -total_limit, total_limit);
    }

    void add_artist(std::size_t i) {
        // Rows of one artist stand together, and one spelling shares one key.
        const QString& key = rows_.row(i).artist_key;
        if (!last_artist_key_ ||
            (key.constData() != last_artist_key_->constData() && key != *last_artist_key_)) {
            last_artist_key_ = &key;
            const auto found = artist_of_key_.constFind(key);
            if (found != artist_of_key_.constEnd()) {
                last_artist_ = found.value();
            } else {
                last_artist_ = artists_.size();
                artist_of_key_.insert(key, last_artist_);
                artists_.push_back({i, 0});
            }
        }
        ++artists_[last_artist_].albums;
    }

    std::vector<ChartBar> year_bars() const;
    std::vector<ChartBar> bitrate_bars() const;
    std::vector<DiscBar> disc_bars() const;
    std::vector<ChartBar> artist_bars() const;

    const RowStore& rows_;
    int this_year_;
    StatisticsTally figures_;
    std::vector<qint64> years_; // from 1900 on
    qint64 unknown_years_ = 0;
    TextCounts bitrates_;
    TextCounts::value_type* last_bitrate_ = nullptr;
    std::unordered_map<qint64, DiscBar> discs_;
    qint64 audio_cds_ = 0;
    qint64 off_shelf_ = 0;
    std::vector<Artist> artists_;
    QHash<QString, std::size_t> artist_of_key_;
    const QString* last_artist_key_ = nullptr;
    std::size_t last_artist_ = 0;
};

std::vector<ChartBar> ChartTally::year_bars() const {
    std::vector<ChartBar> bars;
    const auto held = [](qint64 albums) { return albums > 0; };
    const auto first = std::find_if(years_.begin(), years_.end(), held);
    const auto last = std::find_if(years_.rbegin(), years_.rend(), held).base();
    for (auto at = first; at < last; ++at) {
        const QString year = QString::number(first_charted_year + (at - years_.begin()));
        bars.push_back({year, year, *at});
    }
    if (unknown_years_ > 0)
        bars.push_back({QStringLiteral("Unknown"), QString(), unknown_years_});
    return bars;
}

std::vector<ChartBar> ChartTally::bitrate_bars() const {
    // Numbers first by their value, then other texts, then the audio CDs.
    const auto rank = [](const std::string& text) {
        if (std::string_view(text) == view_of(not_applicable_utf8))
            return 2;
        return !text.empty() && text.front() >= '0' && text.front() <= '9' ? 0 : 1;
    };
    std::vector<const TextCounts::value_type*> order;
    for (const auto& entry : bitrates_)
        order.push_back(&entry);
    const auto key = [&](const TextCounts::value_type* e) {
        const QByteArrayView text(e->first.data(), qsizetype(e->first.size()));
        return std::tuple(rank(e->first), whole_value(text, 0, total_limit), e->first);
    };
    std::sort(order.begin(), order.end(), [&](auto a, auto b) { return key(a) < key(b); });
    std::vector<ChartBar> bars;
    for (const auto* entry : order) {
        const QString text = QString::fromStdString(entry->first);
        const QString label = text == not_applicable ? QStringLiteral("Audio CD")
                              : text.isEmpty()       ? QStringLiteral("Unknown")
                                                     : text;
        bars.push_back({label, text, entry->second});
    }
    return bars;
}

std::vector<DiscBar> ChartTally::disc_bars() const {
    std::vector<DiscBar> bars;
    bars.reserve(discs_.size());
    for (const auto& [number, disc] : discs_)
        bars.push_back(disc);
    std::sort(bars.begin(), bars.end(),
              [](const DiscBar& a, const DiscBar& b) { return a.number < b.number; });
    return bars;
}

std::vector<ChartBar> ChartTally::artist_bars() const {
    std::vector<const Artist*> order;
    order.reserve(artists_.size());
    for (const Artist& a : artists_)
        order.push_back(&a);
    const auto before = [](const Artist* a, const Artist* b) {
        return a->albums != b->albums ? a->albums > b->albums : a->first_row < b->first_row;
    };
    const std::size_t shown = std::min<std::size_t>(order.size(), charted_artists);
    std::partial_sort(order.begin(), order.begin() + std::ptrdiff_t(shown), order.end(), before);
    std::vector<ChartBar> bars;
    for (std::size_t i = 0; i < shown; ++i) {
        const QString name = rows_.text(order[i]->first_row, Field::Artist);
        bars.push_back({name, name, order[i]->albums});
    }
    return bars;
}

} // namespace

CatalogueCharts catalogue_charts(const Recordset& albums, int this_year) {
    const RowStore& rows = albums.rows();
    ChartTally tally(rows, this_year);
    for (std::size_t i = 0; i < rows.size(); ++i)
        tally.add(i);
    return tally.result();
}

} // namespace vinylix
