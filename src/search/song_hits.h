#pragma once

#include <QByteArrayView>
#include <QtGlobal>
#include <span>
#include <vector>

namespace vinylix {

// The song lines a search found, in little room, so that a common word in a million albums
// costs tens of megabytes, not hundreds: for each album with lines, its rowid and a stamp of
// its artist and title (`album_identity`); for each line, only where it starts in the album's
// song list. The texts are made from the file when they are shown. Lines are listed album by
// album in the order of the albums' positions, each album's in the order found.
class SongHits {
public:
    struct Line {
        long long rowid = 0;
        quint32 identity = 0;
        quint32 start = 0; // in characters of the decoded song list
    };

    // Adds the lines of the album at `position` (in the order the lines are listed), stored
    // under `rowid`; albums may come in any order of their positions, each once.
    void add_album(long long rowid, quint32 identity, int position,
                   std::span<const quint32> starts);
    // Adds the albums of `other` (not yet ordered) after these.
    void take(SongHits&& other);
    // Lists the albums added by their positions; done before lines are asked for.
    void order_by_position();

    std::size_t line_count() const { return starts_.size(); }
    // Line `k` (less than line_count()) in the order listed.
    Line line(std::size_t k) const;

private:
    struct Album {
        long long rowid;
        quint32 identity;
        quint32 first; // its first line start in starts_
    };
    std::vector<Album> albums_;       // in the order added
    std::vector<quint32> starts_;     // album after album, in the order added
    std::vector<int> positions_;      // of the albums added, until they are ordered
    std::vector<quint32> order_;      // albums_ indexes in the order listed
    std::vector<quint32> first_line_; // the first line listed of each album of order_
};

// A stamp of an album's artist and title as the file stores them: the same texts give the same
// stamp; other texts almost always another one.
quint32 album_identity(QByteArrayView artist, QByteArrayView album);

} // namespace vinylix
