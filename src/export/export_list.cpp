#include "export_list.h"

#include "html_list.h"
#include "store/album_rows.h"
#include "store/statistics.h"
#include "text_list.h"

#include <QDir>
#include <optional>

namespace vinylix {

namespace {

Query query_of(ListOrder order) {
    switch (order) {
    case ListOrder::Album:
        return Query::ByAlbum;
    case ListOrder::Year:
        return Query::ByYear;
    default:
        return Query::ByArtist;
    }
}

} // namespace

bool is_text_list(const ExportOptions& options) {
    return options.savemode == ListKind::Text;
}

QString preview_file(const QString& program_folder, const ExportOptions& options) {
    return QDir(program_folder)
        .filePath(is_text_list(options) ? QStringLiteral("vinylix.txt")
                                        : QStringLiteral("vinylix.html"));
}

QString save_filter(const ExportOptions& options) {
    return is_text_list(options) ? QStringLiteral("Text File (*.txt)")
                                 : QStringLiteral("HTML File (*.html)");
}

ListOutcome write_list(const std::shared_ptr<Catalogue>& catalogue, const ListJob& job,
                       const ProgressFn& progress) {
    using Kind = ListOutcome::Kind;
    QString error;
    const auto albums = read_albums(catalogue, query_of(job.order), &error);
    if (!albums)
        return {Kind::Failed, error}; // the catalogue's own reason, naming its file
    if (albums->empty() && job.refuse_empty)
        return {Kind::NoAlbums, {}};
    std::optional<Statistics> statistics;
    if (job.options.statistics)
        statistics = statistics_of(*albums);
    const Statistics* figures = statistics ? &*statistics : nullptr;
    const auto put = is_text_list(job.options) ? put_txt_list : put_html_list;
    const ListMaker make = [&](const FileSink& sink) {
        return put(sink, job.options, *albums, figures, job.decimal_point, progress);
    };
    const ListFileResult written = write_list_file(job.path, make);
    switch (written.kind) {
    case ListFileResult::Kind::Written:
        return {};
    case ListFileResult::Kind::Stopped:
        return {Kind::Stopped, {}};
    default:
        return {Kind::Failed, written.reason};
    }
}

} // namespace vinylix
