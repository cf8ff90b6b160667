#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

class QWidget;

namespace vinylix::bench {

// What a user sees of a window's work: how long the event loop stayed away (the window not
// repainting), and when a widget was first painted in some state. A timer ticks every few
// milliseconds; the longest gap between ticks is the longest pause. The clock starts when
// the object is made.
class RepaintPauses : public QObject {
public:
    RepaintPauses();

    // Runs the event loop until `done` says so or `limit_ms` have passed; false on the limit.
    bool run_until(const std::function<bool()>& done, int limit_ms = 120000);
    // Notes the time of the first paint of `widget` at which `shown` holds.
    void note_paint(QWidget* widget, std::function<bool()> shown);

    double longest_pause_ms() const { return longest_ns_ / 1e6; }
    double painted_ms() const { return painted_ns_ / 1e6; } // -1 before it was painted so
    double elapsed_ms() const { return clock_.nsecsElapsed() / 1e6; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void tick();

    QElapsedTimer clock_;
    QTimer ticks_;
    qint64 last_tick_ns_ = 0;
    qint64 longest_ns_ = 0;
    qint64 painted_ns_ = -1;
    QWidget* watched_ = nullptr;
    std::function<bool()> shown_;
};

// The peak resident memory of this process so far, in megabytes.
double peak_memory_mb();

} // namespace vinylix::bench
