// The import of 1,000 album folders of 12 MP3 files each, held in the page cache: detection and
// reading of every folder, storing the albums into a catalogue of 100,000, and, in the same run,
// Debian's beets importing the same tree without autotagging, copying or writing (the ratio of the
// two is the figure to quote).
#include "import/album_detection.h"
#include "import/import_tab.h"
#include "import/set_directory.h"
#include "kit/progress_box.h"
#include "kit/prompts.h"
#include "store/album_batch.h"
#include "store/shared_state.h"
#include "support/quiet_prompts.h"
#include "support/synthetic_catalogue.h"
#include "support/synthetic_folders.h"

#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

using namespace vinylix;

namespace {

constexpr int albums = 1000;
constexpr int files = 12;

const QString& album_tree() {
    static const QString root = bench::make_synthetic_album_tree(
        QDir::temp().filePath(QStringLiteral("vinylix-bench-albums-%1").arg(albums)), albums,
        files);
    return root;
}

// Reads every file of the tree once, so the runs after it find the page cache warm.
void warm_the_cache() {
    static const bool warmed = [] {
        const auto format = FolderNameFormat::split(u"%1 - %2").format;
        return !import_albums(album_tree(), *format, false).albums.empty();
    }();
    if (!warmed)
        std::abort();
}

void import_tree(benchmark::State& state) {
    warm_the_cache();
    const auto format = FolderNameFormat::split(u"%1 - %2").format;
    qint64 steps = 0;
    for (auto _ : state) {
        const ImportRun run = import_albums(album_tree(), *format, true, [&](qint64, qint64) {
            ++steps;
            return true;
        });
        if (run.albums.size() != albums)
            state.SkipWithError("not every album was detected");
        benchmark::DoNotOptimize(run.albums[0].properties.kbps);
    }
    state.counters["albums"] = albums;
    state.counters["files"] = albums * files;
}
BENCHMARK(import_tree)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// Answers the folder chooser with the album tree, as a user who clicks OK at once.
class ChooseTree : public bench::QuietPrompts {
public:
    ChooseTree() : QuietPrompts(true) {}
    int run_modal(QDialog& dialog) override {
        dynamic_cast<SetDirectory&>(dialog).set_folder(album_tree());
        dialog.findChild<QPushButton*>(QStringLiteral("ok_bttn"))->click();
        return dialog.result();
    }
};

// The whole run as the user sees it: "Import" clicked, the chooser answered, the list filled
// while the progress bar grows, the first album shown.
void import_tab_run(benchmark::State& state) {
    warm_the_cache();
    auto previous = install_prompts(std::make_unique<ChooseTree>());
    SharedState shared;
    QWidget window;
    auto* progress = new ProgressBox(&window);
    auto* tab = new ImportTab(shared, progress, QDir::tempPath(), &window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(tab, 1);
    layout->addWidget(progress);
    window.resize(760, 520);
    window.show();
    tab->take_options({QStringLiteral("%1 - %2"), 1, album_tree()});
    int repaints = 0;
    for (auto _ : state) {
        const int before = progress->repaint_count();
        tab->run_import();
        repaints = progress->repaint_count() - before;
        if (tab->findChild<QListWidget*>(QStringLiteral("retrieved_albums"))->count() != albums)
            state.SkipWithError("not every album was listed");
    }
    state.counters["bar_repaints"] = repaints;
    install_prompts(std::move(previous));
}
BENCHMARK(import_tab_run)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// Storing the 1,000 detected albums into a catalogue of 100,000, duplicate check included.
void store_into_100000(benchmark::State& state) {
    const QString large = bench::make_synthetic_catalogue(bench::bench_folder(100000), 100000);
    const auto format = FolderNameFormat::split(u"%1 - %2").format;
    std::vector<AlbumRecord> records;
    const ImportRun run = import_albums(album_tree(), *format, false);
    for (ImportedAlbum album : run.albums.albums()) {
        album.cd = QStringLiteral("12");
        records.push_back(album.record());
    }
    QTemporaryDir scratch;
    const QString copy = scratch.filePath(catalogue_file_name);
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(copy);
        QFile::copy(large, copy);
        QString error;
        auto catalogue = Catalogue::open(copy, &error);
        state.ResumeTiming();
        if (!catalogue || !add_albums(*catalogue, records).ok)
            state.SkipWithError("the albums could not be stored");
    }
    state.counters["albums"] = double(records.size());
}
BENCHMARK(store_into_100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// Processor time (user and system) of the finished child processes, in milliseconds.
double children_cpu_ms() {
    rusage usage{};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// `beet import -A -q` into a fresh library and configuration: no autotagging, no copy or move,
// no tag writes, no plugins.
void beets_import_tree(benchmark::State& state) {
    warm_the_cache();
    const QString beet = QStandardPaths::findExecutable(QStringLiteral("beet"));
    if (beet.isEmpty()) {
        state.SkipWithError("beets is not installed (apt-get install beets)");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir home;
        QFile config(home.filePath(QStringLiteral("config.yaml")));
        if (!config.open(QIODevice::WriteOnly))
            std::abort();
        config.write("directory: " + home.filePath("music").toUtf8() +
                     "\nlibrary: " + home.filePath("library.db").toUtf8() +
                     "\nplugins: []\nimport:\n  copy: no\n  move: no\n  write: no\n"
                     "  autotag: no\n  quiet: yes\n  log:\n  resume: no\n  incremental: no\n");
        config.close();
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("BEETSDIR"), home.path());
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::MergedChannels);
        const double cpu_before = children_cpu_ms();
        state.ResumeTiming();
        process.start(beet, {QStringLiteral("import"), QStringLiteral("-A"), QStringLiteral("-q"),
                             album_tree()});
        if (!process.waitForFinished(-1) || process.exitCode() != 0)
            state.SkipWithError(process.readAll().right(500).constData());
        state.counters["beets_cpu_ms"] = children_cpu_ms() - cpu_before;
    }
}
BENCHMARK(beets_import_tree)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace
