#pragma once

#include "catalogue.h"
#include "progress.h"

#include <QByteArray>
#include <QString>
#include <QUtf8StringView>
#include <array>
#include <functional>
#include <vector>

namespace vinylix {

// One album as a list of albums shows it, without its song list or cover, in little room (a
// search may hold a hundred thousand of them): where it is stored, its fields as stored (UTF-8,
// as the file keeps them) and how many songs its list holds (song_count). The rowid names this
// very album in the file, even beside a twin of the same artist and title.
class AlbumSummary {
public:
    AlbumSummary() = default;
    // The fields artist, album, CD count, bitrate, disc, size and year, in that order.
    AlbumSummary(long long rowid, const std::array<QUtf8StringView, 7>& fields, int songs);

    long long rowid() const { return rowid_; }
    QUtf8StringView artist() const { return field(0); }
    QUtf8StringView album() const { return field(1); }
    QUtf8StringView cds() const { return field(2); }
    QUtf8StringView kbps() const { return field(3); }
    QUtf8StringView cd() const { return field(4); }
    QUtf8StringView size() const { return field(5); }
    QUtf8StringView year() const { return field(6); }
    int songs() const { return songs_; }

private:
    QUtf8StringView field(int i) const;

    long long rowid_ = 0;
    QByteArray text_; // the seven fields one after another
    std::array<quint32, 7> ends_{};
    int songs_ = 0;
};

// Calls `visit` with the rowid, artist and album (UTF-8 as stored, valid during the call) of
// every album, in the table's order, by a query of its own that reads no other field.
// `progress` hears the albums read out of all, first with none read; when it answers false the
// reading stops there and the call still returns true. On an engine failure returns false
// with the reason in `error`.
using AlbumNameVisit =
    std::function<void(long long rowid, QUtf8StringView artist, QUtf8StringView album)>;
bool for_each_album_name(Catalogue& catalogue, const AlbumNameVisit& visit,
                         const ProgressFn& progress, QString* error);

// The summaries of the albums stored under `rowids`, in the order given; a rowid no longer in
// the file is left out. On an engine failure returns false, `summaries` empty, with the reason
// in `error`.
bool read_album_summaries(Catalogue& catalogue, const std::vector<long long>& rowids,
                          std::vector<AlbumSummary>& summaries, QString* error);

} // namespace vinylix
