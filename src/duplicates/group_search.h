#pragma once

#include "duplicate_groups.h"

#include <QObject>
#include <QString>
#include <atomic>
#include <memory>
#include <thread>

namespace vinylix {

// Finds the duplicate groups of the catalogue file at a path on a thread of its own, over a
// connection of its own, so that the window waiting for them keeps repainting. The main
// window's connection is never touched from that thread.
class GroupSearch : public QObject {
    Q_OBJECT
public:
    explicit GroupSearch(QString catalogue_path, QObject* parent = nullptr);
    // Stops a search under way and waits for its thread.
    ~GroupSearch() override;

    // Starts a search, stopping one under way first: only the last one started is answered.
    void start();
    bool running() const { return running_; }
    // The albums read so far out of all, while a search runs.
    qint64 done() const { return done_; }
    qint64 total() const { return total_; }

signals:
    // The groups, or the reason the catalogue could not be read.
    void finished(std::shared_ptr<const DuplicateGroups> found, const QString& error);

private:
    void stop();
    void search(int generation);

    QString catalogue_path_;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<qint64> done_{0};
    std::atomic<qint64> total_{0};
    int generation_ = 0;
    bool running_ = false;
};

} // namespace vinylix
