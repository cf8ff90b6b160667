#pragma once

#include "list_file.h"
#include "list_values.h"
#include "settings/options.h"
#include "store/album_record.h"
#include "store/catalogue.h"
#include "store/progress.h"
#include "store/statistics.h"
#include "store/whole_file.h"

#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace vinylix {

// The items of the sort-order box, in its order: "Artist", "Album", "Year".
enum class ListOrder { Artist, Album, Year };

// The list kind of the options: a text list for save mode 1, else an HTML page.
bool is_text_list(const ExportOptions& options);

// The preview file of the list kind, in `program_folder`: "vinylix.txt" or "vinylix.html".
QString preview_file(const QString& program_folder, const ExportOptions& options);

// The save dialog's filter for the list kind: "Text File (*.txt)" or "HTML File (*.html)".
QString save_filter(const ExportOptions& options);

// The user's decimal separator (the system locale's), for the total size of the statistics.
QChar locale_decimal_point();

// One list to write: what, in which order, where.
struct ListJob {
    ExportOptions options;
    ListOrder order = ListOrder::Artist;
    QString path;
    QChar decimal_point = u'.'; // of the user's locale
    bool refuse_empty = false;  // a preview of an empty catalogue writes nothing
};

// What became of a list.
struct ListOutcome {
    enum class Kind { Written, NoAlbums, Stopped, Failed };
    Kind kind = Kind::Written;
    QString reason; // for Failed: why the file was not written
};

// What a list is made of: every album of the catalogue in the list's order, and the statistics
// when they are ticked.
struct ListContents {
    std::vector<AlbumRecord> albums;
    std::optional<Statistics> statistics;
};

// Reads the contents of the job's list; nothing, with the catalogue's reason in `error`, when
// the catalogue cannot be read.
std::optional<ListContents> read_list_contents(const std::shared_ptr<Catalogue>& catalogue,
                                               const ListJob& job, QString* error);

// Hands the job's list of `contents` to `sink` in pieces, the bytes write_list writes (the
// job's path aside). False when the sink refused a piece or `progress` stopped the list.
bool put_list(const FileSink& sink, const ListJob& job, const ListContents& contents,
              const ProgressFn& progress = {});

// Writes the list of every album of `catalogue`, sorted by the job's order alone (ties in the
// table's order), with the statistics when they are ticked. Nothing is written when the
// catalogue has no album and the job refuses that (NoAlbums), when `progress` stops the list
// (Stopped) or when the catalogue cannot be read or the file cannot be written (Failed; an
// old file stays as it was). The catalogue and the main recordset are not changed.
ListOutcome write_list(const std::shared_ptr<Catalogue>& catalogue, const ListJob& job,
                       const ProgressFn& progress = {});

} // namespace vinylix
