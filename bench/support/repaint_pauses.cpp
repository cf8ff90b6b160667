#include "repaint_pauses.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <sys/resource.h>

namespace vinylix::bench {

namespace {

// Often enough to see a pause of a few milliseconds, seldom enough to leave the cores to the
// work measured.
constexpr int tick_ms = 4;

} // namespace

RepaintPauses::RepaintPauses() {
    ticks_.setTimerType(Qt::PreciseTimer);
    ticks_.setInterval(tick_ms);
    connect(&ticks_, &QTimer::timeout, this, &RepaintPauses::tick);
    clock_.start();
    ticks_.start();
}

void RepaintPauses::tick() {
    const qint64 now = clock_.nsecsElapsed();
    longest_ns_ = std::max(longest_ns_, now - last_tick_ns_);
    last_tick_ns_ = now;
}

bool RepaintPauses::run_until(const std::function<bool()>& done, int limit_ms) {
    while (!done()) {
        if (clock_.elapsed() > limit_ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    tick(); // the work's last stretch counts as well
    return true;
}

void RepaintPauses::note_paint(QWidget* widget, std::function<bool()> shown) {
    watched_ = widget;
    shown_ = std::move(shown);
    widget->installEventFilter(this);
}

bool RepaintPauses::eventFilter(QObject* watched, QEvent* event) {
    if (watched == watched_ && event->type() == QEvent::Paint && painted_ns_ < 0 && shown_())
        painted_ns_ = clock_.nsecsElapsed();
    return false;
}

double peak_memory_mb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

} // namespace vinylix::bench
