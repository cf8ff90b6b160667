#include "song_search_thread.h"

#include "song_line_scan.h"
#include "store/catalogue.h"
#include "store/table_span.h"
#include "store/two_threads.h"

#include <algorithm>
#include <limits>
#include <system_error>

namespace vinylix {

SongSearchThread::SongSearchThread(QObject* parent) : QObject(parent) {}

SongSearchThread::~SongSearchThread() {
    stop();
}

void SongSearchThread::stop() {
    ++generation_; // an answer already on its way is not taken
    if (thread_.joinable()) {
        thread_.request_stop();
        thread_.join();
    }
    running_ = false;
}

void SongSearchThread::start(Job job) {
    stop();
    running_ = true;
    const int generation = ++generation_;
    try {
        thread_ = std::jthread([this, job = std::move(job), generation](std::stop_token stop) {
            search(job, stop, generation);
        });
    } catch (const std::system_error&) {
        // No thread to be had: the search runs here, answered as from a thread.
        search(job, {}, generation);
    }
}

namespace {

// Below this many albums to read, a second thread and connection cost more than they save.
constexpr std::size_t two_threads_from = 16384;

// One part of a search: the albums of a range of rowids, over the connection given.
struct Part {
    long long first_rowid = std::numeric_limits<long long>::min();
    long long last_rowid = std::numeric_limits<long long>::max();
    SongHits hits;
    QString error;
    bool read = false;

    void search(Catalogue& catalogue, const RowPositions& positions,
                const SongSearchThread::Job& job, std::stop_token stop) {
        SongLineFinder finder(job.text);
        read = find_song_lines_from(catalogue, positions, job.from, first_rowid, last_rowid, finder,
                                    stop, hits, &error);
    }
};

// The lines of the job's albums from its first position on: the file read in two halves by
// rowid on two threads, each over a connection of its own, when it holds enough albums.
std::shared_ptr<const SongHits> search_job(const SongSearchThread::Job& job, std::stop_token stop,
                                           QString* error) {
    auto catalogue = Catalogue::open(job.catalogue_path, error);
    if (!catalogue)
        return nullptr;
    const RowPositions positions(job.rowids);
    Part first, second;
    if (job.rowids.size() - std::size_t(job.from) < two_threads_from) {
        first.search(*catalogue, positions, job, stop);
        second.read = true;
    } else {
        const auto [lowest, highest] = std::minmax_element(job.rowids.begin(), job.rowids.end());
        first.last_rowid = RowidSpan{*lowest, *highest}.middle();
        second.first_rowid = first.last_rowid + 1;
        run_on_two_threads([&] { first.search(*catalogue, positions, job, stop); },
                           [&] {
                               if (auto own = Catalogue::open(job.catalogue_path, &second.error))
                                   second.search(*own, positions, job, stop);
                           });
    }
    if (!first.read || !second.read) {
        *error = first.read ? second.error : first.error;
        return nullptr;
    }
    first.hits.take(std::move(second.hits));
    first.hits.order_by_position();
    return std::make_shared<const SongHits>(std::move(first.hits));
}

} // namespace

void SongSearchThread::search(const Job& job, std::stop_token stop, int generation) {
    std::shared_ptr<const SongHits> found;
    QString error;
    try {
        found = search_job(job, stop, &error);
    } catch (const std::exception& e) {
        error =
            tr("The song lists could not be searched: %1").arg(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        error = tr("The song lists could not be searched.");
    }
    if (stop.stop_requested())
        return;
    QMetaObject::invokeMethod(
        this,
        [this, generation, found, error] {
            if (generation != generation_)
                return; // stopped, or a later search was started since
            running_ = false;
            if (thread_.joinable())
                thread_.join();
            emit finished(found ? found : std::make_shared<const SongHits>(), error);
        },
        Qt::QueuedConnection);
}

} // namespace vinylix
