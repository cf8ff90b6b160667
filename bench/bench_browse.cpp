// Choosing an artist and an album in the browser, and the catalogue's statistics: the figures
// read from the file, the figures and charts from the rows in memory, and the statistics window
// from the command to its first chart on screen.
#include "app/mainframe.h"
#include "browse/browser.h"
#include "browse/catalogue_charts.h"
#include "browse/explore_tab.h"
#include "kit/prompts.h"
#include "store/catalogue_load.h"
#include "store/statistics.h"
#include "support/quiet_prompts.h"
#include "support/synthetic_catalogue.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QListWidget>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

using namespace vinylix;

namespace {

// The main window over a large catalogue of `albums` albums, made once for each size.
Mainframe& main_window(int albums) {
    static std::map<int, std::unique_ptr<Mainframe>> windows;
    std::unique_ptr<Mainframe>& window = windows[albums];
    if (!window) {
        windows.clear(); // one catalogue in memory at a time
        const QString folder = bench::bench_folder(albums);
        bench::make_synthetic_catalogue(folder, albums);
        auto& made = windows[albums];
        made = std::make_unique<Mainframe>(folder);
        made->load_catalogue();
        return *made;
    }
    return *window;
}

// The browser's artist list and album list.
QComboBox& artists_of(Mainframe& main) {
    return *main.findChild<QComboBox*>(QStringLiteral("artists_combo"));
}

QListWidget& albums_of(Mainframe& main) {
    return *main.findChild<QListWidget*>(QStringLiteral("albums_list"));
}

// Chooses an artist as the user does.
void choose_artist(QComboBox& artists, int index) {
    artists.setCurrentIndex(index);
    emit artists.activated(index);
}

void select_artist(benchmark::State& state) {
    Mainframe& main = main_window(int(state.range(0)));
    QComboBox& artists = artists_of(main);
    int index = 0;
    for (auto _ : state) {
        index = (index + 7919) % artists.count(); // artists all over the list
        choose_artist(artists, index);
    }
    state.counters["albums_listed"] = albums_of(main).count();
}
BENCHMARK(select_artist)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void select_album(benchmark::State& state) {
    Mainframe& main = main_window(int(state.range(0)));
    choose_artist(artists_of(main), artists_of(main).count() - 1);
    QListWidget& albums = albums_of(main);
    int row = 0;
    for (auto _ : state) {
        row = (row + 1) % albums.count();
        albums.setCurrentRow(row); // shows the album, as a click does
    }
}
BENCHMARK(select_album)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void statistics(benchmark::State& state) {
    const auto catalogue = main_window(int(state.range(0))).state().vinylixdb;
    QString error;
    for (auto _ : state)
        benchmark::DoNotOptimize(compute_statistics(catalogue, &error)->number_of_cds);
}
BENCHMARK(statistics)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void chart_figures(benchmark::State& state) {
    const Recordset& rows = *main_window(int(state.range(0))).state().artists;
    for (auto _ : state)
        benchmark::DoNotOptimize(catalogue_charts(rows, 2025).discs.size());
}
BENCHMARK(chart_figures)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// Prompts that show a modal window, let it paint once and close it, noting when it was painted.
class PaintOnce : public bench::QuietPrompts {
public:
    QElapsedTimer clock;
    double painted_ms = 0;

    int run_modal(QDialog& dialog) override {
        dialog.show();
        QApplication::processEvents();
        painted_ms = double(clock.nsecsElapsed()) / 1e6;
        dialog.close();
        return 0;
    }
};

// From the command to the statistics window painted with its first chart; the event loop is
// not reached in between, so this is also the longest pause in repainting.
void statistics_window(benchmark::State& state) {
    Mainframe& main = main_window(int(state.range(0)));
    auto* prompts = new PaintOnce;
    auto previous = install_prompts(std::unique_ptr<Prompts>(prompts));
    double longest = 0;
    for (auto _ : state) {
        prompts->clock.start();
        main.findChild<QAction*>(QStringLiteral("stats_mnu"))->trigger();
        longest = std::max(longest, prompts->painted_ms);
        QApplication::processEvents();
    }
    install_prompts(std::move(previous));
    state.counters["longest_pause_ms"] = longest;
}
BENCHMARK(statistics_window)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace
