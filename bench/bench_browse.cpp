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

using namespace vinylix;

namespace {

constexpr int albums = 100000;

// The main window over the large catalogue, made once for every benchmark here.
Mainframe& main_window() {
    static Mainframe* main = [] {
        const QString folder = bench::bench_folder(albums);
        bench::make_synthetic_catalogue(folder, albums);
        auto* window = new Mainframe(folder);
        window->load_catalogue();
        return window;
    }();
    return *main;
}

void select_artist(benchmark::State& state) {
    ExploreTab& tab = *main_window().explore_tab();
    const int artists = tab.artists_combo()->count();
    int index = 0;
    for (auto _ : state) {
        index = (index + 7919) % artists; // artists all over the list
        tab.artists_combo()->setCurrentIndex(index);
        tab.show_artist();
    }
    state.counters["albums_listed"] = tab.albums_list()->count();
}
BENCHMARK(select_artist)->Unit(benchmark::kMillisecond);

void select_album(benchmark::State& state) {
    ExploreTab& tab = *main_window().explore_tab();
    tab.artists_combo()->setCurrentIndex(tab.artists_combo()->count() - 1);
    tab.show_artist();
    const int count = tab.albums_list()->count();
    int row = 0;
    for (auto _ : state) {
        row = (row + 1) % count;
        tab.show_album(tab.albums_list()->item(row)->text());
    }
}
BENCHMARK(select_album)->Unit(benchmark::kMillisecond);

void statistics(benchmark::State& state) {
    const auto catalogue = main_window().state().vinylixdb;
    for (auto _ : state)
        benchmark::DoNotOptimize(compute_statistics(catalogue).number_of_cds);
}
BENCHMARK(statistics)->Unit(benchmark::kMillisecond);

} // namespace
