#include "progress_box.h"

#include <QPainter>

namespace vinylix {

ProgressBox::ProgressBox(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("progressbar"));
    setAutoFillBackground(true);
}

void ProgressBox::set_progress(qint64 done, qint64 total) {
    if (total <= 0)
        return;
    const qint64 clamped = std::clamp<qint64>(done, 0, total);
    show_width(int(width() * clamped / total));
}

void ProgressBox::clear() {
    show_width(0);
}

void ProgressBox::show_width(int width) {
    if (width == bar_width_)
        return;
    bar_width_ = width;
    ++repaints_;
    repaint();
}

void ProgressBox::paintEvent(QPaintEvent*) {
    ++paints_;
    QPainter painter(this);
    painter.fillRect(0, 0, bar_width_, height(), QColor(0, 0, 128));
}

} // namespace vinylix
