#pragma once

#include "shelf_discs.h"

#include <QObject>
#include <QString>
#include <atomic>
#include <memory>
#include <thread>

namespace vinylix {

// What the shelf window shows: every album as the store read it and the discs arranged from
// them.
struct ShelfContents {
    std::vector<ShelfAlbum> albums;
    Shelf shelf;
};

// Up to this many albums in the catalogue, the shelf is read before its window opens; a larger
// catalogue is read by the window on a thread of its own (ShelfReading) while it shows how far.
inline constexpr int shelf_albums_read_at_once = 20000;

// Reads the albums of the catalogue file at a path and arranges them by disc on a thread of its
// own, over a connection of its own, so that the window waiting for them keeps repainting.
// What each thread touches: the reading thread only the path, its own connection and what it
// makes, the counters and the stop; the result goes to this object's thread by a queued call.
// An exception on the reading thread (memory running out) ends the reading with a reason; it
// never ends the program.
class ShelfReading : public QObject {
    Q_OBJECT
public:
    explicit ShelfReading(QString catalogue_path, QObject* parent = nullptr);
    // Stops a reading under way and waits for its thread.
    ~ShelfReading() override;

    void start();
    // The albums read so far out of those expected, while it reads.
    qint64 done() const { return done_; }
    qint64 total() const { return total_; }

signals:
    // The shelf, or the reason the catalogue could not be read (and no shelf).
    void finished(std::shared_ptr<const ShelfContents> contents, const QString& error);

private:
    void read(std::stop_token stop);

    QString catalogue_path_;
    std::jthread thread_;
    std::atomic<qint64> done_{0};
    std::atomic<qint64> total_{0};
};

} // namespace vinylix
