#include "export_list.h"

#include "html_list.h"
#include "store/album_rows.h"
#include "store/statistics.h"
#include "text_list.h"

#include <QDir>
#include <QLocale>

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

QChar locale_decimal_point() {
    const QString point = QLocale::system().decimalPoint();
    return point.size() == 1 ? point.front() : QChar(u'.');
}

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

std::optional<ListContents> read_list_contents(const std::shared_ptr<Catalogue>& catalogue,
                                               const ListJob& job, QString* error) {
    auto albums = read_albums(catalogue, query_of(job.order), error);
    if (!albums)
        return std::nullopt;
    ListContents contents{std::move(*albums), std::nullopt};
    if (job.options.statistics)
        contents.statistics = statistics_of(contents.albums);
    return contents;
}

bool put_list(const FileSink& sink, const ListJob& job, const ListContents& contents,
              const ProgressFn& progress) {
    const Statistics* figures = contents.statistics ? &*contents.statistics : nullptr;
    const auto put = is_text_list(job.options) ? put_txt_list : put_html_list;
    return put(sink, job.options, contents.albums, figures, job.decimal_point, progress);
}

ListOutcome write_list(const std::shared_ptr<Catalogue>& catalogue, const ListJob& job,
                       const ProgressFn& progress) {
    using Kind = ListOutcome::Kind;
    QString error;
    const auto contents = read_list_contents(catalogue, job, &error);
    if (!contents)
        return {Kind::Failed, error}; // the catalogue's own reason, naming its file
    if (contents->albums.empty() && job.refuse_empty)
        return {Kind::NoAlbums, {}};
    const ListMaker make = [&](const FileSink& sink) {
        return put_list(sink, job, *contents, progress);
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
