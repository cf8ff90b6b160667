// Text search for a common word through the songs and the field browser's "Load Fields", on
// a catalogue of many albums; and, for scale, the sqlite3 command-line tool picking out the
// albums whose song list holds the same word. The song search in the tab is measured as a
// user sees it: Enter until every line is listed and painted, when its first screenful was
// painted, and the longest time the window did not repaint meanwhile.
#include "kit/progress_box.h"
#include "search/cl_fields.h"
#include "search/cl_search.h"
#include "search/fields_tab.h"
#include "search/search_tab.h"
#include "store/catalogue.h"
#include "store/catalogue_load.h"
#include "store/recordset.h"
#include "store/shared_state.h"
#include "support/repaint_pauses.h"
#include "support/synthetic_catalogue.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
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

// Searches the song lists for `word` and waits until every line is found.
int search_songs(CL_Search& search, Recordset* set, const QString& word) {
    QString error;
    search.search_records(set, word, SearchField::Songs, &error);
    while (search.running())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return search.line_count();
}

// A word in nearly every album ("love", almost three lines an album), or in none ("kelvin").
void search_songs_for(benchmark::State& state, const QString& word) {
    SharedState shared;
    open_catalogue(shared, int(state.range(0)));
    CL_Search search;
    int lines = 0;
    for (auto _ : state)
        lines = search_songs(search, shared.artists.get(), word);
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

// Rows of a screenful of the search tab's list.
constexpr int screenful = 20;

// The song search from the tab: Enter in the text box until every result is listed.
void song_search_seen(benchmark::State& state, const QString& word) {
    SharedState shared;
    open_catalogue(shared, int(state.range(0)));
    SearchTab tab(shared);
    tab.resize(800, 600);
    tab.findChild<QComboBox*>("field_search")->setCurrentIndex(int(SearchField::Songs));
    auto* text = tab.findChild<QLineEdit*>("search_textbox");
    auto* list = tab.findChild<QListView*>("search_listbox");
    auto* button = tab.findChild<QPushButton*>("search_bttn");
    tab.show();
    QCoreApplication::processEvents();
    const auto line = [&](int row) { return list->model()->index(row, 0).data().toString(); };
    // A search under way shows the busy cursor on the list.
    const auto searching = [&] { return list->viewport()->cursor().shape() == Qt::BusyCursor; };
    double first_screen = 0, pause = 0;
    for (auto _ : state) {
        text->setText(QStringLiteral("x"));
        button->click(); // the list holds one line that is no result
        const QString before = line(0);
        text->setText(word);
        bench::RepaintPauses meter;
        bool entered = false;
        meter.note_paint(list->viewport(), [&] {
            const int rows = list->model()->rowCount();
            return entered && rows > 0 && line(0) != before &&
                   line(0) != QStringLiteral("Searching...") && (rows >= screenful || !searching());
        });
        QTimer::singleShot(0, text, [&] {
            emit text->returnPressed();
            entered = true;
        });
        meter.run_until([&] { return entered && !searching() && meter.painted_ms() >= 0; });
        first_screen = meter.painted_ms();
        pause = meter.longest_pause_ms();
    }
    state.counters["lines"] = list->model()->rowCount();
    state.counters["first_screen_ms"] = first_screen;
    state.counters["pause_ms"] = pause;
    state.counters["peak_mb"] = bench::peak_memory_mb();
}

void song_search_tab(benchmark::State& state) {
    song_search_seen(state, QStringLiteral("love"));
}
BENCHMARK(song_search_tab)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

void song_search_tab_absent(benchmark::State& state) {
    song_search_seen(state, QStringLiteral("kelvin"));
}
BENCHMARK(song_search_tab_absent)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

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
    int lines = 0;
    for (auto _ : state)
        lines = search_songs(search, set.get(), QStringLiteral("LOVE"));
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
