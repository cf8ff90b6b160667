// Opening the catalogue and listing its artists; walking the main recordset; collation keys;
// and, for scale, the sqlite3 command-line tool reading the same rows in the same order.
#include "app/mainframe.h"
#include "kit/progress_box.h"
#include "store/catalogue_load.h"
#include "store/collation.h"
#include "support/synthetic_catalogue.h"

#include <benchmark/benchmark.h>
#include <cstdlib>

using namespace vinylix;

namespace {

void open_and_list_artists(benchmark::State& state) {
    const QString folder = bench::bench_folder(int(state.range(0)));
    bench::make_synthetic_catalogue(folder, int(state.range(0)));
    qsizetype artists = 0;
    for (auto _ : state) {
        const CatalogueLoad load = load_catalogue(folder);
        artists = load.artist_names.size();
        benchmark::DoNotOptimize(artists);
    }
    state.counters["artists"] = double(artists);
}
BENCHMARK(open_and_list_artists)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void main_window_load(benchmark::State& state) {
    const QString folder = bench::bench_folder(int(state.range(0)));
    bench::make_synthetic_catalogue(folder, int(state.range(0)));
    Mainframe main(folder);
    main.show();
    const ProgressBox& bar = *main.findChild<ProgressBox*>(QStringLiteral("progressbar"));
    int repaints = 0;
    for (auto _ : state) {
        const int before = bar.repaint_count();
        main.load_catalogue();
        repaints = bar.repaint_count() - before;
    }
    state.counters["progress_repaints"] = repaints;
}
BENCHMARK(main_window_load)->Arg(100000)->Unit(benchmark::kMillisecond);

void walk_recordset(benchmark::State& state) {
    const QString folder = bench::bench_folder(int(state.range(0)));
    bench::make_synthetic_catalogue(folder, int(state.range(0)));
    const CatalogueLoad load = load_catalogue(folder);
    Recordset& set = *load.artists;
    for (auto _ : state) {
        qsizetype chars = 0;
        for (set.move_first(); !set.eof(); set.move_next())
            chars += set.value(2).size();
        benchmark::DoNotOptimize(chars);
    }
}
BENCHMARK(walk_recordset)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Collation keys of 100,000 distinct names: plain ASCII (0), Latin letters with accents,
// ligatures and strokes (1), Cyrillic (2). A key is made once per distinct name a load meets.
void collation_keys(benchmark::State& state) {
    static const char16_t* const shapes[] = {u"Artist night %1", u"Œuvre Øresund Æther Björk %1",
                                             u"Привет мир %1"};
    QStringList names;
    for (int i = 0; i < 100000; ++i)
        names << QString::fromUtf16(shapes[state.range(0)]).arg(i);
    for (auto _ : state)
        for (const QString& name : names)
            benchmark::DoNotOptimize(collation_key(name));
}
BENCHMARK(collation_keys)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void sqlite3_cli_ordered_select(benchmark::State& state) {
    const QString folder = bench::bench_folder(int(state.range(0)));
    const QString path = bench::make_synthetic_catalogue(folder, int(state.range(0)));
    const std::string command = "sqlite3 '" + path.toStdString() +
                                "' 'SELECT Artist, Album, Songs, Cover, Cds, Kbps, CD, Size, "
                                "Year FROM vinylix ORDER BY Artist, Album' > /dev/null";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("sqlite3 failed");
}
BENCHMARK(sqlite3_cli_ordered_select)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
