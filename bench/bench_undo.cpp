// Deleting every album with its rows kept for Undo, then Undo and Redo of it; saving one album
// with its change recorded, beside the plain save of bench_editor.
#include "editor/album_save.h"
#include "store/catalogue_load.h"
#include "store/change_recording.h"
#include "store/shared_state.h"
#include "support/synthetic_catalogue.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace vinylix;

namespace {

// A copy of the synthetic catalogue of `albums` albums in `folder`, opened as the main window
// opens it.
void open_copy(SharedState& shared, const QString& folder, int albums) {
    const QString copy = catalogue_path(folder);
    QFile::remove(copy);
    QFile::copy(bench::make_synthetic_catalogue(bench::bench_folder(albums), albums), copy);
    CatalogueLoad load = load_catalogue(folder);
    shared.vinylixdb = std::move(load.catalogue);
    shared.artists = std::move(load.artists);
}

// Reads the catalogue anew when a step left the main recordset behind, as the main window
// does (not timed: the load has its own figure).
void catch_up(SharedState& shared) {
    QString error;
    if (!shared.artists->catch_up(&error))
        qFatal("cannot read the catalogue: %s", qPrintable(error));
}

void delete_all_then_undo_and_redo(benchmark::State& state) {
    QTemporaryDir scratch;
    double delete_ms = 0, undo_ms = 0, redo_ms = 0;
    QElapsedTimer clock;
    for (auto _ : state) {
        state.PauseTiming();
        SharedState shared;
        open_copy(shared, scratch.path(), int(state.range(0)));
        state.ResumeTiming();
        QString error;
        clock.start();
        if (!delete_all_albums(shared.history, *shared.vinylixdb, {}, &error))
            state.SkipWithError("the albums could not be deleted");
        delete_ms += clock.nsecsElapsed() / 1e6;
        state.PauseTiming();
        catch_up(shared);
        state.ResumeTiming();
        clock.start();
        if (!shared.history.undo({shared.artists.get(), {}}).carried_out)
            state.SkipWithError("the deletion could not be undone");
        undo_ms += clock.nsecsElapsed() / 1e6;
        state.PauseTiming();
        catch_up(shared);
        state.ResumeTiming();
        clock.start();
        if (!shared.history.redo({shared.artists.get(), {}}).carried_out)
            state.SkipWithError("the deletion could not be made again");
        redo_ms += clock.nsecsElapsed() / 1e6;
    }
    const auto each = benchmark::Counter::kAvgIterations;
    state.counters["delete_ms"] = benchmark::Counter(delete_ms, each);
    state.counters["undo_ms"] = benchmark::Counter(undo_ms, each);
    state.counters["redo_ms"] = benchmark::Counter(redo_ms, each);
}
BENCHMARK(delete_all_then_undo_and_redo)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

// The write of one save with its change recorded, as the editor's command makes it, and the
// undo of it.
void save_album_recorded(benchmark::State& state) {
    QTemporaryDir scratch;
    SharedState shared;
    open_copy(shared, scratch.path(), int(state.range(0)));
    int saved = 0;
    double undo_ms = 0;
    QElapsedTimer clock;
    for (auto _ : state) {
        AlbumForm form;
        form.artist = QStringLiteral("Zz Bench Artist");
        form.album = QStringLiteral("Album %1").arg(++saved);
        form.location = QStringLiteral("CDA");
        QString error;
        ChangeRecording recording(shared.history, shared.vinylixdb);
        if (save_album(*shared.artists, album_record(form), std::nullopt, &error) !=
            SaveOutcome::Saved)
            state.SkipWithError("the album could not be saved");
        recording.keep(ChangeKind::Added);
        state.PauseTiming();
        clock.start();
        if (!shared.history.undo({shared.artists.get(), {}}).read_again)
            state.SkipWithError("the save was not undone in the rows in memory");
        undo_ms += clock.nsecsElapsed() / 1e6;
        state.ResumeTiming();
    }
    state.counters["undo_ms"] = benchmark::Counter(undo_ms, benchmark::Counter::kAvgIterations);
}
BENCHMARK(save_album_recorded)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

} // namespace
