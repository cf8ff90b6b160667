// Choosing an artist and an album in the browser, and the catalogue's statistics.
#include "app/mainframe.h"
#include "browse/browser.h"
#include "browse/explore_tab.h"
#include "store/catalogue_load.h"
#include "store/statistics.h"
#include "support/synthetic_catalogue.h"

#include <QComboBox>
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

void select_artist(benchmark::State& state) {
    ExploreTab& tab = *main_window(int(state.range(0))).explore_tab();
    const int artists = tab.artists_combo()->count();
    int index = 0;
    for (auto _ : state) {
        index = (index + 7919) % artists; // artists all over the list
        tab.artists_combo()->setCurrentIndex(index);
        tab.show_artist();
    }
    state.counters["albums_listed"] = tab.albums_list()->count();
}
BENCHMARK(select_artist)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void select_album(benchmark::State& state) {
    ExploreTab& tab = *main_window(int(state.range(0))).explore_tab();
    tab.artists_combo()->setCurrentIndex(tab.artists_combo()->count() - 1);
    tab.show_artist();
    const int count = tab.albums_list()->count();
    int row = 0;
    for (auto _ : state) {
        row = (row + 1) % count;
        tab.show_album(tab.albums_list()->item(row)->text());
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

} // namespace
