#include "folder_read_progress.h"

#include "kit/progress_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>

namespace vinylix {

namespace {

// How often the windows repaint during a read.
constexpr qint64 repaint_interval_ms = 100;

bool is_user_input(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TabletPress:
        return true;
    default:
        return false;
    }
}

} // namespace

FolderReadProgress::FolderReadProgress(ProgressBox* box, QAbstractButton* stop)
    : box_(box), stop_(stop) {
    since_repaint_.start();
    if (stop_) {
        connect(stop_, &QAbstractButton::clicked, this, [this] { stopped_ = true; });
        qApp->installEventFilter(this);
        QApplication::setOverrideCursor(Qt::BusyCursor);
    }
}

FolderReadProgress::~FolderReadProgress() {
    if (stop_) {
        QApplication::restoreOverrideCursor();
        qApp->removeEventFilter(this);
    }
    if (box_)
        box_->clear();
}

ProgressFn FolderReadProgress::callback() {
    return [this](qint64 done, qint64 total) { return report(done, total); };
}

bool FolderReadProgress::report(qint64 done, qint64 total) {
    if (box_)
        box_->set_progress(done, total);
    if (since_repaint_.elapsed() >= repaint_interval_ms) {
        QApplication::processEvents(stop_ ? QEventLoop::AllEvents
                                          : QEventLoop::ExcludeUserInputEvents);
        since_repaint_.restart();
    }
    return !stopped_;
}

// Input reaches a window (a QWindow) first and is then sent on to its widgets: only what a
// widget receives is sorted here.
bool FolderReadProgress::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return false;
    const bool reading_window = widget->window() == stop_->window();
    if (event->type() == QEvent::Close && widget == stop_->window()) {
        stopped_ = true;
        event->ignore();
        return true;
    }
    if (event->type() == QEvent::KeyPress && reading_window &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        stopped_ = true;
        return true;
    }
    if (!is_user_input(event->type()) || widget == stop_)
        return false;
    return true;
}

} // namespace vinylix
