// The disc check of 1,000 album folders of 12 MP3 files each, held in the page cache, against a
// catalogue of 100,000 albums that lists 950 of them under the disc checked (every fourth with
// another year) and 50 the folder does not hold: the folder read as the import reads it, the
// catalogue's side read, the groups made and the report written. The folder's reading alone is
// measured beside it (import_tree in bench_import), so the ratio of the two is the check's own
// cost.
#include "import/disc_check.h"
#include "import/disc_check_texts.h"
#include "store/album_batch.h"
#include "support/synthetic_catalogue.h"
#include "support/synthetic_folders.h"

#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>

using namespace vinylix;

namespace {

constexpr int albums = 1000;
constexpr int files = 12;
const QString disc = QStringLiteral("20000");

const QString& album_tree() {
    static const QString root = bench::make_synthetic_album_tree(
        QDir::temp().filePath(QStringLiteral("vinylix-bench-albums-%1").arg(albums)), albums,
        files);
    return root;
}

FolderNameFormat format() {
    return *FolderNameFormat::split(u"%1 - %2").format;
}

// The 100,000 albums with the disc's albums added under it, made once.
std::shared_ptr<Catalogue> catalogue_with_the_disc() {
    static const QString path = [] {
        const QString large = bench::make_synthetic_catalogue(bench::bench_folder(100000), 100000);
        const QString copy = QDir::temp().filePath(QStringLiteral("vinylix-bench-check.vnx"));
        QFile::remove(copy);
        QFile::copy(large, copy);
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        const ImportRun run = import_albums(album_tree(), format(), false);
        std::vector<AlbumRecord> records;
        for (int k = 0; k < run.albums.size(); ++k) {
            ImportedAlbum album = run.albums[k];
            if (k % 20 == 19)
                continue; // only on the disc
            album.cd = disc;
            if (k % 4 == 0)
                album.properties.year = QStringLiteral("1970");
            records.push_back(album.record());
        }
        for (int k = 0; k < 50; ++k) {
            AlbumRecord gone;
            gone[Field::Artist] = QStringLiteral("Lost Artist %1").arg(k);
            gone[Field::Album] = QStringLiteral("Lost Album");
            gone[Field::CD] = disc;
            records.push_back(gone);
        }
        QString error;
        auto catalogue = Catalogue::open(copy, &error);
        if (!catalogue || !add_albums(*catalogue, records).ok)
            std::abort();
        return copy;
    }();
    QString error;
    return Catalogue::open(path, &error);
}

void check_groups(benchmark::State& state, const DiscCheck& check) {
    if (check.group(CheckGroup::Different).size() != 250 ||
        check.group(CheckGroup::OnlyOnDisc).size() != 50 ||
        check.group(CheckGroup::OnlyInCatalogue).size() != 50)
        state.SkipWithError("the groups are not the ones made");
}

// The catalogue's side of a check of the folder read as `run`, the groups and the report.
void check_against(benchmark::State& state, Catalogue& catalogue, const ImportRun& run) {
    DiscCatalogue stored;
    QString error;
    if (!read_disc_catalogue(catalogue, disc, run.albums, stored, &error))
        state.SkipWithError("the catalogue could not be read");
    const DiscCheck check = check_disc(disc, album_tree(), run, SongSource::FileNames, stored);
    benchmark::DoNotOptimize(check_report(check));
    check_groups(state, check);
}

// The whole check as the window runs it.
void check_disc_of_1000_against_100000(benchmark::State& state) {
    const auto catalogue = catalogue_with_the_disc();
    import_albums(album_tree(), format(), false); // the page cache warmed
    for (auto _ : state) {
        const ImportRun run = import_albums(album_tree(), format(), false);
        check_against(state, *catalogue, run);
    }
}
BENCHMARK(check_disc_of_1000_against_100000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);

// What the check adds to the folder's reading: the catalogue's side, the groups, the report;
// also what choosing another song source or reading the catalogue again after a write costs.
void catalogue_side_groups_and_report(benchmark::State& state) {
    const auto catalogue = catalogue_with_the_disc();
    const ImportRun run = import_albums(album_tree(), format(), false);
    for (auto _ : state) {
        check_against(state, *catalogue, run);
    }
}
BENCHMARK(catalogue_side_groups_and_report)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(10);

// The folder read alone, as the import reads it: the floor of the check.
void folder_read_alone(benchmark::State& state) {
    import_albums(album_tree(), format(), false);
    for (auto _ : state)
        benchmark::DoNotOptimize(import_albums(album_tree(), format(), false).albums.size());
}
BENCHMARK(folder_read_alone)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace
