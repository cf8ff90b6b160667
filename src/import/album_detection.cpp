#include "album_detection.h"

#include "folder_listing.h"

#include "mp3/bitrate_table.h"

#include <QFile>

namespace vinylix {

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
                ++run.unreadable;
            }
        } else {
            ++run.rejected;
        }
        if (!report_progress(progress, ++done, total)) {
            run.stopped = true;
            break;
        }
    }
    run.albums = ImportData(std::move(albums));
    return run;
}

} // namespace vinylix
