// Start-up of the real program, whole: from nothing until the main window is shown and the
// event loop is idle, in a process of its own, with its peak memory as the kernel counts it;
// beside it, the sqlite3 command-line tool reading the same catalogue's nine fields in order.
//
//   bench_startup [albums ...]        default: 100000 1000000; three runs each, medians shown
//   bench_startup --child <folder>    one start of the program (used by the runs above)
//   bench_startup --make <albums>     makes the synthetic catalogue of that size, prints its path
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
    double seconds = 0;
    double peak_mb = 0;
};

int child(int argc, char** argv, const char* folder) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const auto main = vinylix::start_program(QString::fromLocal8Bit(folder));
    // The first pass of the event loop after start-up: the window is shown and painted.
    QTimer::singleShot(0, &app, [&] {
        QCoreApplication::processEvents();
        QCoreApplication::quit();
    });
    return QApplication::exec();
}

// Runs `argv` in a process of its own; its wall time and peak resident memory.
Run measure(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    QElapsedTimer clock;
    clock.start();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    return {clock.nsecsElapsed() / 1e9, usage.ru_maxrss / 1024.0};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--child")
        return child(argc, argv, argv[2]);
    if (argc == 3 && std::string(argv[1]) == "--make") {
        const int albums = std::atoi(argv[2]);
        std::printf("%s\n", qPrintable(vinylix::bench::make_synthetic_catalogue(
                                vinylix::bench::bench_folder(albums), albums)));
        return 0;
    }
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty())
        sizes = {100000, 1000000};
    const std::string self = argv[0];
    std::printf("%10s %12s %12s %8s %10s %12s\n", "albums", "start (s)", "sqlite3 (s)", "ratio",
                "peak (MB)", "sqlite3 (MB)");
    for (const int albums : sizes) {
        const QString folder = vinylix::bench::bench_folder(albums);
        const std::string path =
            vinylix::bench::make_synthetic_catalogue(folder, albums).toStdString();
        const std::string query = "SELECT Artist, Album, Songs, Cover, Cds, Kbps, CD, Size, Year "
                                  "FROM vinylix ORDER BY Artist, Album";
        std::vector<double> start, sqlite, peak, sqlite_peak;
        for (int run = 0; run < 3; ++run) {
            const Run program = measure({self, "--child", folder.toStdString()});
            const Run cli =
                measure({"sh", "-c", "sqlite3 '" + path + "' '" + query + "' >/dev/null"});
            start.push_back(program.seconds);
            peak.push_back(program.peak_mb);
            sqlite.push_back(cli.seconds);
            sqlite_peak.push_back(cli.peak_mb);
        }
        std::printf("%10d %12.2f %12.2f %8.2f %10.0f %12.0f\n", albums, median(start),
                    median(sqlite), median(start) / median(sqlite), median(peak),
                    median(sqlite_peak));
    }
    return 0;
}
