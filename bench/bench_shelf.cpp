// Opening the shelf window on a large catalogue: the store query, the rules and the lists; and
// the command as a user sees it at 100,000 and 1,000,000 albums: from the click until the
// discs are listed and painted, and the longest time the windows did not repaint meanwhile.
#include "app/mainframe.h"
#include "kit/prompts.h"
#include "shelf/free_numbers.h"
#include "shelf/shelf_discs.h"
#include "shelf/shelf_window.h"
#include "store/shelf_albums.h"
#include "support/quiet_prompts.h"
#include "support/repaint_pauses.h"
#include "support/synthetic_catalogue.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QListView>
#include <QTimer>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <benchmark/benchmark.h>
#include <map>
#include <stdexcept>

using namespace vinylix;

namespace {

constexpr int albums = 100000;

Catalogue& catalogue() {
    static const std::shared_ptr<Catalogue> open = [] {
        const QString folder = bench::bench_folder(albums);
        QString error;
        auto db = Catalogue::open(bench::make_synthetic_catalogue(folder, albums), &error);
        if (!db)
            throw std::runtime_error(error.toStdString());
        return db;
    }();
    return *open;
}

std::vector<ShelfAlbum> read_all() {
    std::vector<ShelfAlbum> rows;
    QString error;
    if (!read_shelf_albums(catalogue(), rows, &error))
        throw std::runtime_error(error.toStdString());
    return rows;
}

// What the command does between the click and the window on screen: read, arrange, fill the
// lists, show and paint.
void open_shelf_window(benchmark::State& state) {
    int rows = 0;
    for (auto _ : state) {
        ShelfWindow window({read_all(), Medium::CdR700});
        window.show();
        QApplication::processEvents();
        rows = window.findChild<QListView*>("discs_list")->model()->rowCount();
    }
    state.counters["disc_rows"] = rows;
}
BENCHMARK(open_shelf_window)->Unit(benchmark::kMillisecond);

void window_from_rows(benchmark::State& state) {
    const std::vector<ShelfAlbum> rows = read_all();
    for (auto _ : state) {
        ShelfWindow window({rows, Medium::CdR700});
        benchmark::DoNotOptimize(&window);
    }
}
BENCHMARK(window_from_rows)->Unit(benchmark::kMillisecond);

void window_from_rows_shown(benchmark::State& state) {
    const std::vector<ShelfAlbum> rows = read_all();
    for (auto _ : state) {
        ShelfWindow window({rows, Medium::CdR700});
        window.show();
        QApplication::processEvents();
    }
}
BENCHMARK(window_from_rows_shown)->Unit(benchmark::kMillisecond);

void shelf_query(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(read_all().size());
}
BENCHMARK(shelf_query)->Unit(benchmark::kMillisecond);

// The floor under the query: the engine stepping through the same five fields, no text made.
void engine_read_floor(benchmark::State& state) {
    for (auto _ : state) {
        SQLite::Statement row(catalogue().database(),
                              "SELECT Artist, Album, CD, Size, Year FROM vinylix ORDER BY rowid");
        qint64 bytes = 0;
        while (row.executeStep())
            for (int c = 0; c < 5; ++c)
                bytes += row.getColumn(c).getBytes();
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(engine_read_floor)->Unit(benchmark::kMillisecond);

void arrange_discs_and_free_numbers(benchmark::State& state) {
    const std::vector<ShelfAlbum> rows = read_all();
    for (auto _ : state) {
        const Shelf shelf = arrange_shelf(rows);
        benchmark::DoNotOptimize(free_numbers(shelf.discs).size());
    }
}
BENCHMARK(arrange_discs_and_free_numbers)->Unit(benchmark::kMillisecond);

// Prompts that answer nothing but show a modal window until its discs are listed and painted,
// then close it, noting what the pause meter saw.
class ShelfPrompts : public bench::QuietPrompts {
public:
    bench::RepaintPauses* meter = nullptr;
    int disc_rows = 0;

    int run_modal(QDialog& dialog) override {
        auto* discs = dialog.findChild<QListView*>("discs_list");
        meter->note_paint(discs->viewport(), [discs] { return discs->model()->rowCount() > 0; });
        dialog.show();
        meter->run_until([&] { return meter->painted_ms() >= 0; });
        disc_rows = discs->model()->rowCount();
        dialog.reject();
        return QDialog::Rejected;
    }
};

void shelf_command(benchmark::State& state) {
    const int size = int(state.range(0));
    const QString folder = bench::bench_folder(size);
    bench::make_synthetic_catalogue(folder, size);
    Mainframe main(folder);
    main.load_catalogue();
    main.show();
    QApplication::processEvents();
    auto owned = std::make_unique<ShelfPrompts>();
    ShelfPrompts* prompts = owned.get();
    install_prompts(std::move(owned));
    double shown = 0, pause = 0;
    for (auto _ : state) {
        bench::RepaintPauses meter;
        prompts->meter = &meter;
        bool closed = false;
        QTimer::singleShot(0, &main, [&] {
            main.findChild<QAction*>(QStringLiteral("shelf_mnu"))->trigger();
            closed = true;
        });
        meter.run_until([&] { return closed; });
        shown = meter.painted_ms();
        pause = meter.longest_pause_ms();
    }
    const std::unique_ptr<Prompts> used = install_prompts(nullptr);
    state.counters["disc_rows"] = prompts->disc_rows;
    state.counters["shown_ms"] = shown;
    state.counters["pause_ms"] = pause;
}
BENCHMARK(shelf_command)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

} // namespace
