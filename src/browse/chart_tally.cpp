#include "chart_tally.h"

#include "store/disc_number.h"
#include "store/numeric_value.h"

#include <algorithm>
#include <limits>
#include <tuple>

namespace vinylix {

namespace {

std::string_view view_of(QByteArrayView bytes) {
    return {bytes.data(), std::size_t(bytes.size())};
}

const QByteArray audio_cd_utf8 = audio_cd_label.toUtf8();
const QByteArray not_applicable_utf8 = not_applicable.toUtf8();

// Shelves rarely number their discs in the millions: discs below this are kept in a list.
constexpr qint64 listed_discs = 1 << 18;

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

} // namespace

ChartTally::ChartTally(const RowStore& rows, int this_year, RowOrder order)
    : rows_(rows), this_year_(this_year), order_(order), figures_(true),
      years_(std::size_t(std::max(0, this_year - first_charted_year + 1)), 0) {}

bool ChartTally::add(std::size_t begin, std::size_t end) {
    // The rows' texts lie in the file's order, not the recordset's: each row's are asked for
    // from memory a few rows ahead, so the pass does not wait on every row.
    constexpr std::size_t ahead = 6;
    for (std::size_t i = begin; i < end; ++i) {
        if (i + ahead < end) {
            __builtin_prefetch(rows_.utf8(i + ahead, Field::Artist).data());
            __builtin_prefetch(rows_.utf8(i + ahead, Field::Year).data());
            __builtin_prefetch(rows_.artist_key(i + ahead).constData());
        }
        if (!add_row(i))
            return false;
    }
    return true;
}

bool ChartTally::add_row(std::size_t i) {
    if (!add_artist(i))
        return false;
    const QByteArrayView cd = rows_.utf8(i, Field::CD);
    const QByteArrayView size = rows_.utf8(i, Field::Size);
    figures_.add(rows_.utf8(i, Field::Artist), cd, size);
    if (const int year = year_of(rows_.utf8(i, Field::Year), this_year_))
        ++years_[std::size_t(year - first_charted_year)];
    else
        ++unknown_years_;
    add_bitrate(rows_.utf8(i, Field::Kbps));
    add_disc(cd, size);
    return true;
}

bool ChartTally::add_artist(std::size_t i) {
    // One spelling shares one key, and the rows of one artist stand together.
    const QString& key = rows_.artist_key(i);
    if (last_key_ && (key.constData() == last_key_->constData() || key == *last_key_)) {
        ++artists_[last_artist_].albums;
        return true;
    }
    if (order_ == RowOrder::Any) {
        const auto found = artist_of_key_.constFind(key);
        last_artist_ = found != artist_of_key_.constEnd() ? found.value() : new_artist(i);
        if (found == artist_of_key_.constEnd())
            artist_of_key_.insert(key, last_artist_);
    } else {
        // A new key is a new artist, whose name no album met so far has.
        if (last_key_ && !(*last_key_ < key))
            return false;
        figures_.artists_apart();
        last_artist_ = new_artist(i);
    }
    if (!last_key_)
        first_key_ = &key;
    last_key_ = &key;
    ++artists_[last_artist_].albums;
    return true;
}

std::size_t ChartTally::new_artist(std::size_t row) {
    artists_.push_back({row, 0});
    return artists_.size() - 1;
}

void ChartTally::add_bitrate(QByteArrayView kbps) {
    // Most albums share their bitrate with the album before.
    if (!last_bitrate_ || view_of(kbps) != last_bitrate_->first) {
        const auto found = bitrates_.find(view_of(kbps));
        last_bitrate_ =
            &*(found != bitrates_.end() ? found
                                        : bitrates_.emplace(std::string(view_of(kbps)), 0).first);
    }
    ++last_bitrate_->second;
}

void ChartTally::add_disc(QByteArrayView cd, QByteArrayView size) {
    if (cd == audio_cd_utf8) {
        ++audio_cds_;
        return;
    }
    const std::optional<qint64> number = disc_number(cd);
    if (!number) {
        ++off_shelf_;
        return;
    }
    DiscBar& disc = disc_of(*number);
    ++disc.albums;
    if (size != not_applicable_utf8)
        disc.size_hundredths =
            std::clamp(disc.size_hundredths + hundredths_value(size), -total_limit, total_limit);
}

// Discs numbered below `listed_discs` are found by their number, the others looked up.
DiscBar& ChartTally::disc_of(qint64 number) {
    if (number >= listed_discs) {
        DiscBar& disc = far_discs_[number];
        disc.number = number;
        return disc;
    }
    const auto at = std::size_t(number);
    if (at >= near_discs_.size())
        near_discs_.resize(
            std::min<std::size_t>(std::max(at + 1, near_discs_.size() * 2), listed_discs));
    near_discs_[at].number = number;
    return near_discs_[at];
}

bool ChartTally::comes_before(const ChartTally& later) const {
    return !last_key_ || !later.first_key_ || *last_key_ < *later.first_key_;
}

void ChartTally::append(const ChartTally& later) {
    figures_.append(later.figures_);
    for (std::size_t y = 0; y < years_.size(); ++y)
        years_[y] += later.years_[y];
    unknown_years_ += later.unknown_years_;
    for (const auto& [text, albums] : later.bitrates_)
        bitrates_[text] += albums;
    const auto add_to = [](DiscBar& disc, const DiscBar& more) {
        if (more.albums == 0)
            return;
        disc.number = more.number;
        disc.albums += more.albums;
        disc.size_hundredths =
            std::clamp(disc.size_hundredths + more.size_hundredths, -total_limit, total_limit);
    };
    near_discs_.resize(std::max(near_discs_.size(), later.near_discs_.size()));
    for (std::size_t d = 0; d < later.near_discs_.size(); ++d)
        add_to(near_discs_[d], later.near_discs_[d]);
    for (const auto& [number, disc] : later.far_discs_)
        add_to(far_discs_[number], disc);
    audio_cds_ += later.audio_cds_;
    off_shelf_ += later.off_shelf_;
    artists_.insert(artists_.end(), later.artists_.begin(), later.artists_.end());
    if (later.last_key_) {
        last_key_ = later.last_key_;
        last_artist_ = artists_.size() - 1;
    }
}

CatalogueCharts ChartTally::result() const {
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
    for (const DiscBar& disc : near_discs_)
        if (disc.albums > 0)
            bars.push_back(disc);
    const std::size_t near = bars.size();
    for (const auto& [number, disc] : far_discs_)
        bars.push_back(disc);
    std::sort(bars.begin() + std::ptrdiff_t(near), bars.end(),
              [](const DiscBar& a, const DiscBar& b) { return a.number < b.number; });
    return bars;
}

std::vector<ChartBar> ChartTally::artist_bars() const {
    std::vector<const Artist*> order;
    order.reserve(artists_.size());
    for (const Artist& a : artists_)
        order.push_back(&a);
    // Ties in the browser's order: the rows' own, unless they came in another.
    const auto before = [&](const Artist* a, const Artist* b) {
        if (a->albums != b->albums)
            return a->albums > b->albums;
        if (order_ == RowOrder::Browser)
            return a->first_row < b->first_row;
        return rows_.artist_key(a->first_row) < rows_.artist_key(b->first_row);
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

} // namespace vinylix
