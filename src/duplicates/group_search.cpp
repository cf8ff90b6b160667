#include "group_search.h"

#include <system_error>

namespace vinylix {

GroupSearch::GroupSearch(QString catalogue_path, QObject* parent)
    : QObject(parent), catalogue_path_(std::move(catalogue_path)) {}

GroupSearch::~GroupSearch() {
    stop();
}

void GroupSearch::stop() {
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
    stop_ = false;
    running_ = false;
}

void GroupSearch::start() {
    stop();
    done_ = 0;
    total_ = 0;
    running_ = true;
    const int generation = ++generation_;
    try {
        thread_ = std::thread([this, generation] { search(generation); });
    } catch (const std::system_error&) {
        search(generation); // no thread to be had: found here, answered as from a thread
    }
}

// On the search's own thread: everything it touches is its own but the counters and the stop
// flag; the answer goes to this object's thread as a queued call.
void GroupSearch::search(int generation) {
    QString error;
    std::shared_ptr<const DuplicateGroups> found;
    try {
        if (auto catalogue = Catalogue::open(catalogue_path_, &error)) {
            auto groups = find_duplicate_groups(
                *catalogue,
                [this](qint64 done, qint64 total) {
                    done_ = done;
                    total_ = total;
                    return !stop_;
                },
                &error);
            if (groups)
                found = std::make_shared<const DuplicateGroups>(std::move(*groups));
        }
    } catch (const std::exception& e) { // memory running out ends the search, not the program
        found.reset();
        error =
            tr("The duplicate albums could not be found: %1").arg(QString::fromLocal8Bit(e.what()));
    }
    if (stop_)
        return;
    QMetaObject::invokeMethod(
        this,
        [this, generation, found, error] {
            if (generation != generation_)
                return; // a later search was started since
            running_ = false;
            if (thread_.joinable())
                thread_.join();
            emit finished(found, error);
        },
        Qt::QueuedConnection);
}

} // namespace vinylix
