#include "album_detection.h"

#include "mp3/bitrate_table.h"
#include "mp3/folder_listing.h"
#include "store/collation.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <numeric>

namespace vinylix {

namespace {

// The albums in the browser's order: by artist, then album, in the catalogue's collation; albums
// equal in both keep the order of their folders. Each key is made once.
std::vector<ImportedAlbum> in_browser_order(std::vector<ImportedAlbum> albums) {
    std::vector<std::pair<QString, QString>> keys;
    keys.reserve(albums.size());
    for (const ImportedAlbum& album : albums)
        keys.emplace_back(collation_key(album.artist), collation_key(album.album));
    std::vector<std::size_t> order(albums.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
    std::vector<ImportedAlbum> sorted;
    sorted.reserve(albums.size());
    for (const std::size_t k : order)
        sorted.push_back(std::move(albums[k]));
    return sorted;
}

} // namespace

QString unread_root_text(const QString& root) {
    return QStringLiteral("The folder %1 could not be read.").arg(QDir::toNativeSeparators(root));
}

ImportRun import_albums(const QString& root, const FolderNameFormat& format, bool arrange_cases,
                        const ProgressFn& progress, const AlbumFound& found, CodePage page) {
    ImportRun run;
    const auto contents = list_folder(QFile::encodeName(root));
    if (!contents) {
        run.root_read = false;
        return run;
    }
    BitrateTable table;
    table.load_bitrate();
    std::vector<ImportedAlbum> albums;
    const qint64 total = qint64(contents->folders.size());
    qint64 done = 0;
    for (const FolderEntry& folder : contents->folders) {
        if (const auto fields = match_folder_name(format, folder.name)) {
            if (auto properties = get_album_properties(folder.path, table, page)) {
                ImportedAlbum album;
                album.artist = arrange_cases ? arrange_case(fields->artist) : fields->artist;
                album.album = arrange_cases ? arrange_case(fields->album) : fields->album;
                album.properties = std::move(*properties);
                albums.push_back(std::move(album));
                if (found)
                    found(albums.back());
            } else {
                run.unreadable << folder.name;
            }
        } else {
            ++run.rejected;
        }
        if (!report_progress(progress, ++done, total)) {
            run.stopped = true;
            break;
        }
    }
    run.albums = ImportData(in_browser_order(std::move(albums)));
    return run;
}

} // namespace vinylix
