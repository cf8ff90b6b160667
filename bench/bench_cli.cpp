// The command line, timed whole in processes of its own, beside what it stands for:
//   - "vinylix list --html" of 100,000 albums (every property, nickname, e-mail, statistics)
//     beside the export tab's own "Save to file..." of the same list in this process; the two
//     files must be the same bytes;
//   - "vinylix stats" of 1,000,000 albums beside the sqlite3 tool reading the three fields the
//     statistics count.
// Three runs of each, medians shown.
//
//   bench_cli [list_albums stats_albums]      default: 100000 1000000
#include "export/export_tab.h"
#include "kit/prompts.h"
#include "store/catalogue_load.h"
#include "store/shared_state.h"
#include "support/quiet_prompts.h"
#include "support/synthetic_catalogue.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace vinylix;

namespace {

// Answers the export tab's save dialog with one file; every other prompt is a mistake here.
class SaveTo : public bench::QuietPrompts {
public:
    explicit SaveTo(QString path) : path_(std::move(path)) {}
    void notice(QWidget*, const QString&, const QString& text, Icon) override {
        std::fprintf(stderr, "export tab: %s\n", qPrintable(text));
    }
    QString save_file(QWidget*, const QString&, const QString&, const QString&) override {
        return path_;
    }

private:
    QString path_;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Seconds from start to end of `program` with `arguments`, its output thrown away.
double process_seconds(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitCode() != 0)
        std::fprintf(stderr, "%s failed\n", qPrintable(program));
    return double(clock.nsecsElapsed()) / 1e9;
}

QByteArray read_file(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void list_beside_the_export_tab(int albums) {
    const QString folder = bench::bench_folder(albums);
    const QString catalogue = bench::make_synthetic_catalogue(folder, albums);
    const QString tab_file = QDir(folder).filePath(QStringLiteral("tab.html"));
    const QString command_file = QDir(folder).filePath(QStringLiteral("command.html"));

    ExportOptions o;
    o.savemode = ListKind::Html;
    o.nickstatus = o.emailstatus = o.statistics = true;
    o.nickname = QStringLiteral("Zed");
    o.email = QStringLiteral("zed@example.org");
    o.year = o.cover = o.nrofcds = o.kbps = o.cdnr = o.size = true;
    SharedState state;
    CatalogueLoad load = load_catalogue(folder);
    state.vinylixdb = std::move(load.catalogue);
    state.artists = std::move(load.artists);
    ExportTab tab(state, nullptr, folder);
    tab.take_options(o);
    install_prompts(std::make_unique<SaveTo>(tab_file));

    std::vector<double> command, in_tab;
    for (int run = 0; run < 3; ++run) {
        command.push_back(
            process_seconds(QStringLiteral(VINYLIX_PROGRAM),
                            {"list", "--html", "--fields", "year,cover,cds,kbps,cd,size", "--stats",
                             "--nickname", "Zed", "--email", "zed@example.org", "--catalogue",
                             catalogue, "--output", command_file}));
        QElapsedTimer clock;
        clock.start();
        tab.save_list();
        in_tab.push_back(double(clock.nsecsElapsed()) / 1e9);
    }
    install_prompts(nullptr);
    const bool same = read_file(tab_file) == read_file(command_file);
    std::printf("%-34s %10d %10.3f %10.3f %7.2f  %s\n", "list --html / export tab", albums,
                median(command), median(in_tab), median(command) / median(in_tab),
                same ? "same bytes" : "FILES DIFFER");
}

void stats_beside_sqlite3(int albums) {
    const QString catalogue = bench::make_synthetic_catalogue(bench::bench_folder(albums), albums);
    std::vector<double> command, sqlite;
    for (int run = 0; run < 3; ++run) {
        command.push_back(
            process_seconds(QStringLiteral(VINYLIX_PROGRAM), {"stats", "--catalogue", catalogue}));
        sqlite.push_back(process_seconds(QStringLiteral("sqlite3"),
                                         {catalogue, "SELECT Artist, CD, Size FROM vinylix"}));
    }
    std::printf("%-34s %10d %10.3f %10.3f %7.2f\n", "stats / sqlite3 of Artist, CD, Size", albums,
                median(command), median(sqlite), median(command) / median(sqlite));
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int list_albums = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int stats_albums = argc > 2 ? std::atoi(argv[2]) : 1000000;
    std::printf("%-34s %10s %10s %10s %7s\n", "work", "albums", "command", "beside", "ratio");
    list_beside_the_export_tab(list_albums);
    stats_beside_sqlite3(stats_albums);
    return 0;
}
