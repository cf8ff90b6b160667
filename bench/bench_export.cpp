// The text list and the HTML page of a catalogue of many albums, every property ticked, with
// nickname, e-mail and statistics: the whole job (sorted rows from the store, statistics, the
// list built and written through QSaveFile), and its stages one by one. Counters give the
// size of each file.
#include "export/export_list.h"
#include "export/html_list.h"
#include "export/list_file.h"
#include "export/text_list.h"
#include "store/album_rows.h"
#include "store/statistics.h"
#include "support/synthetic_catalogue.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <benchmark/benchmark.h>

using namespace vinylix;

namespace {

std::shared_ptr<Catalogue> catalogue_of(int albums) {
    const QString folder = bench::bench_folder(albums);
    QString error;
    return Catalogue::open(bench::make_synthetic_catalogue(folder, albums), &error);
}

ListJob job_for(int savemode, int albums) {
    ListJob job;
    ExportOptions& o = job.options;
    o.savemode = savemode == 1 ? ListKind::Text : ListKind::Html;
    o.nickstatus = o.emailstatus = o.statistics = true;
    o.nickname = QStringLiteral("Zed");
    o.email = QStringLiteral("zed@example.org");
    o.year = o.cover = o.nrofcds = o.kbps = o.cdnr = o.size = true;
    job.path =
        QDir(bench::bench_folder(albums))
            .filePath(savemode == 1 ? QStringLiteral("list.txt") : QStringLiteral("list.html"));
    return job;
}

// The whole job, as the export tab runs it, with a progress callback that is told every line.
void whole_list(benchmark::State& state, int savemode) {
    const int albums = int(state.range(0));
    const auto catalogue = catalogue_of(albums);
    const ListJob job = job_for(savemode, albums);
    qint64 lines = 0;
    for (auto _ : state) {
        const ListOutcome outcome = write_list(catalogue, job, [&](qint64 done, qint64) {
            lines = done;
            return true;
        });
        if (outcome.kind != ListOutcome::Kind::Written)
            state.SkipWithError(qPrintable(outcome.reason));
    }
    state.counters["albums"] = double(lines);
    state.counters["file_MB"] = double(QFileInfo(job.path).size()) / 1e6;
}

void text_list(benchmark::State& state) {
    whole_list(state, 1);
}
BENCHMARK(text_list)->Arg(100000)->Unit(benchmark::kMillisecond);

void html_list(benchmark::State& state) {
    whole_list(state, 2);
}
BENCHMARK(html_list)->Arg(100000)->Unit(benchmark::kMillisecond);

// The stages of the job.
void sorted_rows(benchmark::State& state) {
    const auto catalogue = catalogue_of(int(state.range(0)));
    QString error;
    for (auto _ : state)
        benchmark::DoNotOptimize(read_albums(catalogue, Query(state.range(1)), &error));
}
BENCHMARK(sorted_rows)
    ->Args({100000, int(Query::ByArtist)})
    ->Args({100000, int(Query::ByAlbum)})
    ->Args({100000, int(Query::ByYear)})
    ->Unit(benchmark::kMillisecond);

void statistics(benchmark::State& state) {
    QString error;
    const auto rows = read_albums(catalogue_of(int(state.range(0))), Query::ByArtist, &error);
    for (auto _ : state)
        benchmark::DoNotOptimize(statistics_of(*rows));
}
BENCHMARK(statistics)->Arg(100000)->Unit(benchmark::kMillisecond);

void build_and_write(benchmark::State& state, int savemode) {
    const int albums = int(state.range(0));
    const auto catalogue = catalogue_of(albums);
    QString error;
    const auto rows = read_albums(catalogue, Query::ByArtist, &error);
    const Statistics figures = statistics_of(*rows);
    const ListJob job = job_for(savemode, albums);
    QByteArray contents;
    for (auto _ : state)
        contents = savemode == 1 ? get_txt_list(job.options, *rows, &figures, u'.')
                                 : get_html_list(job.options, *rows, &figures, u'.');
    state.counters["file_MB"] = double(contents.size()) / 1e6;
    // Written once more, timed on its own.
    QElapsedTimer timer;
    timer.start();
    const bool written = write_list_file(job.path, contents).ok();
    state.counters["write_ms"] = written ? double(timer.nsecsElapsed()) / 1e6 : -1;
}

void build_text(benchmark::State& state) {
    build_and_write(state, 1);
}
BENCHMARK(build_text)->Arg(100000)->Unit(benchmark::kMillisecond);

void build_html(benchmark::State& state) {
    build_and_write(state, 2);
}
BENCHMARK(build_html)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
