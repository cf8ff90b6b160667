#pragma once

#include <QWidget>

namespace vinylix {

// A plain drawing area showing progress as a navy bar grown from the left edge. It repaints
// only when the bar's width in pixels changes, so a long run costs at most one repaint per
// pixel of width.
class ProgressBox : public QWidget {
    Q_OBJECT
public:
    explicit ProgressBox(QWidget* parent = nullptr);

    void set_progress(qint64 done, qint64 total);
    void clear();
    int bar_width() const { return bar_width_; }
    int repaint_count() const { return repaints_; }
    // How many times the bar was painted: a repaint paints only a window that is on screen.
    int paint_count() const { return paints_; }

    QSize sizeHint() const override { return {200, 12}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void show_width(int width);
    int bar_width_ = 0;
    int repaints_ = 0;
    int paints_ = 0;
};

} // namespace vinylix
