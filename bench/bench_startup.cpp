// Start-up of the real program, whole: from nothing until the main window is shown and the
// event loop is idle, in a process of its own, with its peak memory as the kernel counts it;
// beside it, the sqlite3 command-line tool reading the same catalogue's nine fields in order.
// Two shapes of catalogue: the benches' own (song lines of about 28 characters) and one of
// short song lines, where the program's own work shows beside the engine's.
//
//   bench_startup [albums ...]        default: 100000 1000000; three runs each, medians shown
//   bench_startup --child <folder>    one start of the program (used by the runs above)
//   bench_startup --make <albums>     makes both catalogues of that size, prints their paths
#include "app/mainframe.h"
#include "app/startup.h"
#include "support/synthetic_catalogue.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Run {
    double seconds = 0; // until idle (the program) or until exit (the sqlite3 tool)
    double peak_mb = 0;
};

// The child tells its parent on this descriptor when it is idle; what follows (closing the
// window and the catalogue) is not start-up.
constexpr int idle_fd = 3;

int child(int argc, char** argv, const char* folder) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const auto main = vinylix::start_program(QString::fromLocal8Bit(folder));
    // The first pass of the event loop after start-up: the window is shown and painted.
    QTimer::singleShot(0, &app, [&] {
        QCoreApplication::processEvents();
        const char idle = 'i';
        if (write(idle_fd, &idle, 1) != 1)
            std::perror("idle");
        QCoreApplication::quit();
    });
    return QApplication::exec();
}

// Runs `argv` in a process of its own: the wall time until it says it is idle (or, when
// `to_idle` is false, until it ends), and its peak resident memory.
Run measure(const std::vector<std::string>& args, bool to_idle) {
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    int idle[2];
    if (pipe(idle) != 0)
        std::exit(1);
    QElapsedTimer clock;
    clock.start();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(idle[1], idle_fd);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    close(idle[1]);
    Run run;
    char said = 0;
    if (to_idle && read(idle[0], &said, 1) == 1)
        run.seconds = clock.nsecsElapsed() / 1e9;
    close(idle[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!to_idle)
        run.seconds = clock.nsecsElapsed() / 1e9;
    run.peak_mb = usage.ru_maxrss / 1024.0;
    return run;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void compare(const std::string& self, const char* shape, int albums, const QString& folder,
             const std::string& path) {
    const std::string query = "SELECT Artist, Album, Songs, Cover, Cds, Kbps, CD, Size, Year "
                              "FROM vinylix ORDER BY Artist, Album";
    std::vector<double> start, sqlite, peak, sqlite_peak;
    for (int run = 0; run < 3; ++run) {
        const Run program = measure({self, "--child", folder.toStdString()}, true);
        const Run cli =
            measure({"sh", "-c", "sqlite3 '" + path + "' '" + query + "' >/dev/null"}, false);
        start.push_back(program.seconds);
        peak.push_back(program.peak_mb);
        sqlite.push_back(cli.seconds);
        sqlite_peak.push_back(cli.peak_mb);
    }
    std::printf("%12s %10d %12.3f %12.3f %8.2f %10.0f %12.0f\n", shape, albums, median(start),
                median(sqlite), median(start) / median(sqlite), median(peak), median(sqlite_peak));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    using namespace vinylix::bench;
    if (argc == 3 && std::string(argv[1]) == "--child")
        return child(argc, argv, argv[2]);
    if (argc == 3 && std::string(argv[1]) == "--make") {
        const int albums = std::atoi(argv[2]);
        std::printf("%s\n", qPrintable(make_synthetic_catalogue(bench_folder(albums), albums)));
        std::printf("%s\n",
                    qPrintable(make_short_song_catalogue(short_song_folder(albums), albums)));
        return 0;
    }
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty())
        sizes = {100000, 1000000};
    const std::string self = argv[0];
    std::printf("%12s %10s %12s %12s %8s %10s %12s\n", "catalogue", "albums", "idle (s)",
                "sqlite3 (s)", "ratio", "peak (MB)", "sqlite3 (MB)");
    for (const int albums : sizes) {
        const QString folder = bench_folder(albums);
        compare(self, "bench's own", albums, folder,
                make_synthetic_catalogue(folder, albums).toStdString());
        const QString short_folder = short_song_folder(albums);
        compare(self, "short songs", albums, short_folder,
                make_short_song_catalogue(short_folder, albums).toStdString());
    }
    return 0;
}
