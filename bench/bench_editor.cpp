// Deleting every album, and saving one album into a large catalogue.
#include "app/mainframe.h"
#include "browse/explore_tab.h"
#include "editor/album_save.h"
#include "store/album_lookup.h"
#include "support/synthetic_catalogue.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace vinylix;

namespace {

QString large_catalogue(int albums) {
    return bench::make_synthetic_catalogue(bench::bench_folder(albums), albums);
}

void delete_all(benchmark::State& state) {
    QTemporaryDir scratch;
    const QString copy = scratch.filePath(catalogue_file_name);
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(copy);
        QFile::copy(large_catalogue(int(state.range(0))), copy);
        QString error;
        auto catalogue = Catalogue::open(copy, &error);
        state.ResumeTiming();
        if (!catalogue || !delete_all_albums(*catalogue, &error))
            state.SkipWithError("the albums could not be deleted");
    }
}
BENCHMARK(delete_all)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);

void save_album(benchmark::State& state) {
    QTemporaryDir scratch;
    QFile::copy(large_catalogue(int(state.range(0))), scratch.filePath(catalogue_file_name));
    Mainframe main(scratch.path());
    main.load_catalogue();
    int saved = 0;
    double write_ms = 0, refresh_ms = 0, select_ms = 0;
    QElapsedTimer clock;
    for (auto _ : state) {
        AlbumForm form;
        form.artist = QStringLiteral("Zz Bench Artist");
        form.album = QStringLiteral("Album %1").arg(++saved);
        form.songs = QStringLiteral("one\r\ntwo");
        form.cds = QStringLiteral("1");
        form.bitrate = QStringLiteral("192");
        form.location = QStringLiteral("7");
        form.size_whole = QStringLiteral("650");
        QString error;
        clock.start();
        if (save_album(*main.state().artists, album_record(form), std::nullopt, &error) !=
            SaveOutcome::Saved)
            state.SkipWithError("the album could not be saved");
        write_ms += clock.nsecsElapsed() / 1e6;
        clock.start();
        main.refresh_catalogue();
        refresh_ms += clock.nsecsElapsed() / 1e6;
        clock.start();
        main.findChild<ExploreTab*>()->select_artist_and_album(form.artist, form.album);
        select_ms += clock.nsecsElapsed() / 1e6;
    }
    // Where the time of one save goes: the write, the refresh, showing the album.
    const auto per_save = benchmark::Counter::kAvgIterations;
    state.counters["write_ms"] = benchmark::Counter(write_ms, per_save);
    state.counters["refresh_ms"] = benchmark::Counter(refresh_ms, per_save);
    state.counters["select_ms"] = benchmark::Counter(select_ms, per_save);
}
BENCHMARK(save_album)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
