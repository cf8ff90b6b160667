// Finding the duplicate albums of a catalogue rich in them: the search itself, the extra memory
// it takes, the engine's floor under its first reading, and the window from the command to the
// groups on screen with its longest pause in repainting.
#include "duplicates/duplicate_groups.h"
#include "duplicates/duplicates_window.h"
#include "support/duplicate_catalogue.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <benchmark/benchmark.h>
#include <map>
#include <stdexcept>

using namespace vinylix;

namespace {

// The catalogue of `albums` albums, opened once for each size.
Catalogue& catalogue(int albums) {
    static std::map<int, std::shared_ptr<Catalogue>> open;
    std::shared_ptr<Catalogue>& db = open[albums];
    if (!db) {
        QString error;
        db = Catalogue::open(bench::make_duplicate_catalogue(albums), &error);
        if (!db)
            throw std::runtime_error(error.toStdString());
    }
    return *db;
}

DuplicateGroups find(Catalogue& db) {
    QString error;
    auto found = find_duplicate_groups(db, {}, &error);
    if (!found)
        throw std::runtime_error(error.toStdString());
    return std::move(*found);
}

// A line of /proc/self/status in megabytes ("VmRSS", "VmHWM").
double status_megabytes(const char* name) {
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(name))
            return line.mid(qsizetype(qstrlen(name)) + 1).trimmed().split(' ').first().toDouble() /
                   1024;
    return 0;
}

// Lets the peak resident memory start again from what is resident now.
void reset_peak_memory() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

void find_groups(benchmark::State& state) {
    Catalogue& db = catalogue(int(state.range(0)));
    std::size_t groups = 0;
    qint64 albums = 0;
    for (auto _ : state) {
        const DuplicateGroups found = find(db);
        groups = found.groups.size();
        albums = qint64(found.copies.size());
    }
    state.counters["groups"] = double(groups);
    state.counters["albums_in_groups"] = double(albums);
}
BENCHMARK(find_groups)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The memory the search takes above what the process held before it, at its peak, with the
// groups it found still held.
void find_groups_memory(benchmark::State& state) {
    Catalogue& db = catalogue(int(state.range(0)));
    double extra = 0;
    for (auto _ : state) {
        const double before = status_megabytes("VmRSS:");
        reset_peak_memory();
        const DuplicateGroups found = find(db);
        extra = status_megabytes("VmHWM:") - before;
        benchmark::DoNotOptimize(found.groups.size());
    }
    state.counters["extra_MB"] = extra;
}
BENCHMARK(find_groups_memory)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// The floor under the first reading: the engine stepping through rowid, artist and title.
void engine_read_floor(benchmark::State& state) {
    Catalogue& db = catalogue(int(state.range(0)));
    for (auto _ : state) {
        SQLite::Statement row(db.database(), "SELECT rowid, Artist, Album FROM vinylix");
        qint64 bytes = 0;
        while (row.executeStep())
            bytes += row.getColumn(1).getBytes() + row.getColumn(2).getBytes();
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(engine_read_floor)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// From the command to the groups on screen; the longest the event loop was kept busy at once.
void window_shows_groups(benchmark::State& state) {
    const QString path = catalogue(int(state.range(0))).path();
    double longest_pause = 0;
    for (auto _ : state) {
        DuplicatesWindow window(path);
        window.show();
        QElapsedTimer pause;
        do {
            pause.start();
            QApplication::processEvents();
            longest_pause = std::max(longest_pause, double(pause.nsecsElapsed()) / 1e6);
            QThread::msleep(1);
        } while (window.searching());
        QApplication::processEvents();
    }
    state.counters["longest_pause_ms"] = longest_pause;
}
BENCHMARK(window_shows_groups)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace
