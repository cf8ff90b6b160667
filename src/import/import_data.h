#pragma once

#include "album_folder.h"

#include "store/album_record.h"

#include <QString>
#include <optional>
#include <vector>

namespace vinylix {

// Cover choices of the review, by their place in the cover box.
inline const QString cover_yes = QStringLiteral("Yes");
inline const QString cover_no = QStringLiteral("No");

// One detected album under review: the names its folder gave, what its folder holds, and what
// the review has set.
struct ImportedAlbum {
    QString artist;
    QString album;
    AlbumProperties properties;
    std::optional<SongSource> chosen; // the song source Apply chose; none before
    QString cover;                    // "Yes", "No", or empty while not chosen
    QString cd;                       // shelf disc; empty until Apply

    // The line the list of detected albums shows: "Metallica - Black Album".
    QString line() const { return artist + QStringLiteral(" - ") + album; }
    // The catalogue record: the song list of the chosen source (file names before any choice),
    // the cover "No" while none was chosen.
    AlbumRecord record() const;

    bool operator==(const ImportedAlbum&) const = default;
};

// The detected albums of one import run, by album index: line i of the list is album i. Removing
// an album closes the gap, so the albums after it move down one index and keep their order.
class ImportData {
public:
    ImportData() = default;
    explicit ImportData(std::vector<ImportedAlbum> albums) : albums_(std::move(albums)) {}

    int size() const { return int(albums_.size()); }
    bool empty() const { return albums_.empty(); }
    bool contains(int k) const { return k >= 0 && k < size(); }
    const ImportedAlbum& operator[](int k) const { return albums_.at(std::size_t(k)); }
    ImportedAlbum& operator[](int k) { return albums_.at(std::size_t(k)); }
    const std::vector<ImportedAlbum>& albums() const { return albums_; }

    void remove(int k);

private:
    std::vector<ImportedAlbum> albums_;
};

} // namespace vinylix
