#pragma once

#include "folder_name_format.h"
#include "import_data.h"

#include "mp3/code_page.h"
#include "store/progress.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace vinylix {

// The outcome of one import run.
struct ImportRun {
    ImportData albums;      // the detected albums, in the browser's order
    int rejected = 0;       // sub-folders whose names do not fit the format
    QStringList unreadable; // fitting sub-folders that could not be read, by name
    bool stopped = false;   // the progress callback asked to stop; the albums so far are kept
    bool root_read = true;  // false when the root folder itself could not be read
};

// What a run whose root folder could not be read says: "The folder /media/cdrom could not be
// read."
QString unread_root_text(const QString& root);

// Told of each album as the run detects it, before the run goes on.
using AlbumFound = std::function<void(const ImportedAlbum& album)>;

// The import run: every folder directly inside `root`, in case-insensitive name order, whose name
// fits `format` is one album. Its name gives artist and album (re-cased by arrange_case when
// `arrange_cases`), and the folder is read by get_album_properties. Progress is reported after
// each sub-folder, out of the number of sub-folders, and each album to `found` as it is read; there
// is no limit to the albums of a run. Tags, and playlists that are not UTF-8, are read in `page`.
// The albums found are then ordered as the browser orders them: by artist, then album, in the
// catalogue's collation ("Édith Piaf" between "Bitrate" and "Tags"), ties in folder order.
// With root "/music", format "[%1] - %2" and sub-folders
// "[Metallica] - Black Album" and "Scans": one album, Metallica / Black Album, one folder rejected.
ImportRun import_albums(const QString& root, const FolderNameFormat& format, bool arrange_cases,
                        const ProgressFn& progress = {}, const AlbumFound& found = {},
                        CodePage page = default_code_page);

} // namespace vinylix
