#include "statistics.h"

#include "album_record.h"
#include "numeric_value.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Exception.h>
#include <algorithm>
#include <cstring>
#include <future>
#include <limits>
#include <memory>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace vinylix {

QString Statistics::total_size_text(QChar point) const {
    return hundredths_text(total_size_hundredths, point);
}

namespace {

// A column's UTF-8 bytes, valid until the statement steps on; a NULL reads as no bytes.
QByteArrayView text_of(sqlite3_stmt* row, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(row, column));
    return text ? QByteArrayView(text, sqlite3_column_bytes(row, column)) : QByteArrayView();
}

// The artist, disc and size of many rows, copied out of the engine's buffers one after another,
// so that they can be counted on another thread while the next rows are read.
class RowBatch {
public:
    static constexpr std::size_t fields = 3;
    static constexpr std::size_t rows = 1 << 16;

    void add(sqlite3_stmt* row) {
        for (int column = 0; column < int(fields); ++column) {
            const QByteArrayView text = text_of(row, column);
            bytes_.append(text.data(), std::size_t(text.size()));
            ends_.push_back(bytes_.size());
        }
    }
    bool full() const { return ends_.size() >= rows * fields; }

    void count_into(StatisticsTally& tally) const {
        std::size_t from = 0;
        const auto next = [&](std::size_t i) {
            const QByteArrayView field(bytes_.data() + from, qsizetype(ends_[i] - from));
            from = ends_[i];
            return field;
        };
        for (std::size_t i = 0; i + fields <= ends_.size(); i += fields) {
            const QByteArrayView artist = next(i);
            const QByteArrayView disc = next(i + 1);
            tally.add(artist, disc, next(i + 2));
        }
    }

private:
    std::string bytes_;
    std::vector<std::size_t> ends_;
};

// Shelf numbers beyond this are held at it, so adding the audio CDs cannot overflow.
constexpr qint64 highest_counted_disc = std::numeric_limits<qint64>::max() / 2;
// The total size is held below this (in hundredths), so one more size can always be added.
constexpr qint64 highest_total_size = std::numeric_limits<qint64>::max() / 2;

const QByteArray audio_cd_utf8 = audio_cd_label.toUtf8();
const QByteArray not_applicable_utf8 = not_applicable.toUtf8();

} // namespace

std::string_view StatisticsTally::keep(QByteArrayView name) {
    const auto size = std::size_t(name.size());
    if (names_stay_ || size == 0)
        return {name.data(), size};
    if (room_ < size) {
        constexpr std::size_t block = 1 << 20;
        room_ = std::max(block, size);
        copies_.push_back(std::make_unique_for_overwrite<char[]>(room_));
        free_ = copies_.back().get();
    }
    std::memcpy(free_, name.data(), size);
    const std::string_view kept(free_, size);
    free_ += size;
    room_ -= size;
    return kept;
}

void StatisticsTally::add(QByteArrayView artist, QByteArrayView disc, QByteArrayView megabytes) {
    ++s_.number_of_albums;
    // Names compared exactly, letter case included; an artist's albums mostly follow one
    // another, so a name is looked up once for them.
    const std::string_view name(artist.data(), std::size_t(artist.size()));
    if (!has_last_ || name != last_artist_) {
        auto met = names_.find(name);
        if (met == names_.end())
            met = names_.insert(keep(artist)).first;
        last_artist_ = *met;
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
    artists_apart_ += qint64(names_.size());
    names_.clear();
    copies_.clear();
    room_ = 0;
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
    s.number_of_artists = artists_apart_ + qint64(names_.size());
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
            // The engine's own calls: a million rows read through SQLiteCpp's column objects
            // cost a sixth of the time more.
            sqlite3* db = catalogue->database().getHandle();
            sqlite3_stmt* prepared = nullptr;
            if (const int code =
                    sqlite3_prepare_v2(db, "SELECT Artist, CD, Size FROM vinylix ORDER BY rowid",
                                       -1, &prepared, nullptr);
                code != SQLITE_OK)
                throw SQLite::Exception(db, code);
            const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> row(prepared,
                                                                            sqlite3_finalize);
            // Each full batch is counted on a thread of its own while the next is read: the
            // engine's reading then sets the pace. Batches are counted one at a time, in order.
            std::future<void> counted;
            RowBatch batch;
            int code = SQLITE_ROW;
            while ((code = sqlite3_step(prepared)) == SQLITE_ROW) {
                batch.add(prepared);
                if (!batch.full())
                    continue;
                if (counted.valid())
                    counted.get();
                counted = std::async(std::launch::async,
                                     [&tally, full = std::move(batch)] { full.count_into(tally); });
                batch = RowBatch();
            }
            if (counted.valid())
                counted.get();
            batch.count_into(tally);
            if (code != SQLITE_DONE)
                throw SQLite::Exception(db, code);
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
