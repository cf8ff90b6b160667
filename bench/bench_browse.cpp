// Choosing an artist and an album in the browser, and the catalogue's statistics.
#include "app/mainframe.h"
#include "browse/browser.h"
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

} // namespace
