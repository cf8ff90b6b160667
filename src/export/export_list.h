#pragma once

#include "list_file.h"
#include "list_values.h"
#include "settings/options.h"
#include "store/catalogue.h"
#include "store/progress.h"

#include <QString>
#include <memory>

namespace vinylix {

// The items of the sort-order box, in its order: "Artist", "Album", "Year".
enum class ListOrder { Artist, Album, Year };

// The list kind of the options: a text list for save mode 1, else an HTML page.
bool is_text_list(const ExportOptions& options);

// The preview file of the list kind, in `program_folder`: "vinylix.txt" or "vinylix.html".
QString preview_file(const QString& program_folder, const ExportOptions& options);

// The save dialog's filter for the list kind: "Text File (*.txt)" or "HTML File (*.html)".
QString save_filter(const ExportOptions& options);

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

// Writes the list of every album of `catalogue`, sorted by the job's order alone (ties in the
// table's order), with the statistics when they are ticked. Nothing is written when the
// catalogue has no album and the job refuses that (NoAlbums), when `progress` stops the list
// (Stopped) or when the catalogue cannot be read or the file cannot be written (Failed; an
// old file stays as it was). The catalogue and the main recordset are not changed.
ListOutcome write_list(const std::shared_ptr<Catalogue>& catalogue, const ListJob& job,
                       const ProgressFn& progress = {});

} // namespace vinylix
