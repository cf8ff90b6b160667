// Text search for a common word through the songs and the field browser's "Load Fields", on
// a catalogue of many albums; and, for scale, the sqlite3 command-line tool picking out the
// albums whose song list holds the same word.
#include "kit/progress_box.h"
#include "search/cl_fields.h"
#include "search/cl_search.h"
#include "search/fields_tab.h"
#include "search/search_tab.h"
#include "store/catalogue.h"
#include "store/catalogue_load.h"
#include "store/recordset.h"
#include "store/shared_state.h"
#include "support/synthetic_catalogue.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>

using namespace vinylix;

namespace {

void open_catalogue(SharedState& shared, int albums) {
    const QString folder = bench::bench_folder(albums);
    bench::make_synthetic_catalogue(folder, albums);
    CatalogueLoad load = load_catalogue(folder);
    shared.vinylixdb = std::move(load.catalogue);
    shared.artists = std::move(load.artists);
}

// A word in nearly every album ("love", almost three lines an album), or in none ("kelvin").
void search_songs_for(benchmark::State& state, const QString& word) {
    SharedState shared;
    open_catalogue(shared, int(state.range(0)));
    CL_Search search;
    qsizetype lines = 0;
    QString error;
    for (auto _ : state) {
        lines =
            search.search_records(shared.artists.get(), word, SearchField::Songs, &error).size();
        benchmark::DoNotOptimize(lines);
    }
    state.counters["lines"] = double(lines);
}

void song_search(benchmark::State& state) {
    search_songs_for(state, QStringLiteral("love"));
}
BENCHMARK(song_search)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void song_search_absent(benchmark::State& state) {
    search_songs_for(state, QStringLiteral("kelvin"));
}
BENCHMARK(song_search_absent)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The same search from the tab: Enter in the text box, every result listed, the first shown.
void song_search_tab(benchmark::State& state) {
    SharedState shared;
    open_catalogue(shared, int(state.range(0)));
    SearchTab tab(shared);
    tab.findChild<QComboBox*>("field_search")->setCurrentIndex(int(SearchField::Songs));
    auto* text = tab.findChild<QLineEdit*>("search_textbox");
    text->setText(QStringLiteral("love"));
    tab.show();
    for (auto _ : state)
        emit text->returnPressed();
    state.counters["lines"] = tab.findChild<QListView*>("search_listbox")->model()->rowCount();
}
BENCHMARK(song_search_tab)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void load_fields(benchmark::State& state) {
    SharedState shared;
    open_catalogue(shared, int(state.range(0)));
    CL_Fields fields;
    for (auto _ : state)
        fields.load_props(shared.artists.get(), [](qint64 done, qint64 total) {
            benchmark::DoNotOptimize(done * total);
            return true;
        });
    state.counters["cd_values"] = double(fields.cd_values().size());
}
BENCHMARK(load_fields)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// "Load Fields" from the tab: the pass with the progress bar drawn, the shelf CDs listed and
// the albums of the first one shown.
void load_fields_tab(benchmark::State& state) {
    SharedState shared;
    open_catalogue(shared, int(state.range(0)));
    QWidget window;
    auto* progress = new ProgressBox(&window);
    progress->setGeometry(0, 0, 600, 10);
    auto* tab = new FieldsTab(shared, progress, &window);
    tab->setGeometry(0, 10, 600, 400);
    window.resize(600, 410);
    window.show();
    auto* load = tab->findChild<QPushButton*>("load_bttn");
    int repaints = 0;
    for (auto _ : state) {
        const int before = progress->repaint_count();
        load->click();
        repaints = progress->repaint_count() - before;
    }
    state.counters["progress_repaints"] = repaints;
}
BENCHMARK(load_fields_tab)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// Song search through one album whose song list is one long line holding the text every five
// characters: the search's time should grow with the line's length, not with its square.
void song_search_long_line(benchmark::State& state) {
    QTemporaryDir folder;
    QString error;
    const QString path = catalogue_path(folder.path());
    auto catalogue = create_empty_catalogue(path, &error) ? Catalogue::open(path, &error) : nullptr;
    auto set = catalogue ? Recordset::open(catalogue, Query::Main, &error) : nullptr;
    if (!set) {
        state.SkipWithError(qPrintable(error));
        return;
    }
    set->add_new();
    set->set_value(u"Artist", QStringLiteral("Air"));
    set->set_value(u"Album", QStringLiteral("Long"));
    set->set_value(u"Songs", QStringLiteral("love ").repeated(state.range(0) / 5));
    set->update(&error);
    CL_Search search;
    std::size_t lines = 0;
    for (auto _ : state)
        lines = search.search_records(set.get(), QStringLiteral("LOVE"), SearchField::Songs, &error)
                    .size();
    state.counters["lines"] = double(lines);
}
BENCHMARK(song_search_long_line)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void sqlite3_like(benchmark::State& state, const std::string& word) {
    const QString folder = bench::bench_folder(int(state.range(0)));
    const QString path = bench::make_synthetic_catalogue(folder, int(state.range(0)));
    const std::string command = "sqlite3 '" + path.toStdString() +
                                "' \"SELECT Artist, Album, Songs FROM vinylix WHERE Songs LIKE '%" +
                                word + "%'\" > /dev/null";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("sqlite3 failed");
}

void sqlite3_cli_songs_like(benchmark::State& state) {
    sqlite3_like(state, "love");
}
BENCHMARK(sqlite3_cli_songs_like)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void sqlite3_cli_songs_like_absent(benchmark::State& state) {
    sqlite3_like(state, "kelvin");
}
BENCHMARK(sqlite3_cli_songs_like_absent)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace
