#include "album_summaries.h"

#include "column_bytes.h"
#include "song_list_text.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>
#include <algorithm>
#include <cstdint>

namespace vinylix {

namespace {

// How often the reading of names reports progress and hears whether to go on.
constexpr qint64 progress_every = 4096;

qint64 album_count(Catalogue& catalogue) {
    SQLite::Statement count(catalogue.database(), "SELECT count(*) FROM vinylix");
    return count.executeStep() ? std::max<qint64>(0, count.getColumn(0).getInt64()) : 0;
}

// A text column as UTF-8, valid until the statement steps on.
QUtf8StringView column_text(SQLite::Statement& statement, int index) {
    const QByteArrayView bytes = column_bytes(statement, index);
    return QUtf8StringView(bytes.data(), bytes.size());
}

} // namespace

AlbumSummary::AlbumSummary(long long rowid, const std::array<QUtf8StringView, 7>& fields, int songs)
    : rowid_(rowid), songs_(songs) {
    qsizetype bytes = 0;
    for (const QUtf8StringView field : fields)
        bytes += field.size();
    text_.reserve(bytes);
    for (std::size_t f = 0; f < fields.size(); ++f) {
        text_.append(fields[f].data(), fields[f].size());
        ends_[f] = quint32(text_.size());
    }
}

QUtf8StringView AlbumSummary::field(int i) const {
    const quint32 start = i == 0 ? 0 : ends_[std::size_t(i - 1)];
    return QUtf8StringView(text_.constData() + start, ends_[std::size_t(i)] - start);
}

bool for_each_album_name(Catalogue& catalogue, const AlbumNameVisit& visit,
                         const ProgressFn& progress, QString* error) {
    return catalogue.run(
        [&] {
            const qint64 total = progress ? album_count(catalogue) : 0;
            if (!report_progress(progress, 0, total))
                return;
            SQLite::Statement row(catalogue.database(),
                                  "SELECT rowid, Artist, Album FROM vinylix ORDER BY rowid");
            qint64 done = 0;
            while (row.executeStep()) {
                visit(row.getColumn(0).getInt64(), column_text(row, 1), column_text(row, 2));
                if (++done % progress_every == 0 &&
                    !report_progress(progress, done, std::max(total, done)))
                    return;
            }
            report_progress(progress, done, std::max(total, done));
        },
        error);
}

bool read_album_summaries(Catalogue& catalogue, const std::vector<long long>& rowids,
                          std::vector<AlbumSummary>& summaries, QString* error) {
    summaries.clear();
    summaries.reserve(rowids.size());
    const bool read = catalogue.run(
        [&] {
            // One reading for all: the file is locked and its pages checked once, not per row.
            const SQLite::Transaction reading(catalogue.database());
            SQLite::Statement row(catalogue.database(),
                                  "SELECT Artist, Album, Cds, Kbps, CD, Size, Year, Songs "
                                  "FROM vinylix WHERE rowid = ?");
            for (const long long rowid : rowids) {
                row.bind(1, static_cast<int64_t>(rowid));
                if (row.executeStep()) {
                    std::array<QUtf8StringView, 7> fields;
                    for (int f = 0; f < 7; ++f)
                        fields[std::size_t(f)] = column_text(row, f);
                    const int songs = song_count(QString::fromUtf8(column_bytes(row, 7)));
                    summaries.emplace_back(rowid, fields, songs);
                }
                row.reset();
            }
        },
        error);
    if (!read)
        summaries.clear();
    return read;
}

} // namespace vinylix
