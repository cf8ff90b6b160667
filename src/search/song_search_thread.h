#pragma once

#include "song_hits.h"

#include <QObject>
#include <QString>
#include <memory>
#include <thread>
#include <vector>

namespace vinylix {

// Finds the song lines of a search beyond its first albums on a thread of its own, over a
// connection of its own, so that the window keeps repainting while a large catalogue is read;
// a large file is read in two halves by rowid, the second half on one more thread over one more
// connection (run_on_two_threads).
// What each thread touches: the search threads read only the job handed over (their own copy)
// and the connection each opens; the lines found go to this object's thread by a queued call.
// This object's thread only starts, stops and answers. The main window's connection is never
// touched from a search thread. An exception on a search thread (memory running out) ends the
// search with a reason; it never ends the program.
class SongSearchThread : public QObject {
    Q_OBJECT
public:
    struct Job {
        QString catalogue_path;
        std::vector<long long> rowids; // of the recordset's albums, in its order
        int from = 0;                  // the first position searched
        QString text;
    };

    explicit SongSearchThread(QObject* parent = nullptr);
    // Stops a search under way and waits for its thread.
    ~SongSearchThread() override;

    // Starts a search, stopping one under way first: only the last one started is answered.
    void start(Job job);
    // Stops a search under way; it is not answered.
    void stop();
    bool running() const { return running_; }

signals:
    // The lines found from the job's first position on, in order; or the reason the catalogue
    // could not be read (and no lines).
    void finished(std::shared_ptr<const SongHits> hits, const QString& error);

private:
    // Runs on the search thread.
    void search(const Job& job, std::stop_token stop, int generation);

    std::jthread thread_;
    int generation_ = 0;
    bool running_ = false;
};

} // namespace vinylix
