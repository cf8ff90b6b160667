#pragma once

#include <QWidget>

class QLabel;

namespace vinylix {

class ProgressBox;

// "splashscreen": shown while the program starts, with the title and a progress bar.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

    // Shows the window and waits (a few seconds at most) until the window system has put it
    // on screen, then paints it. The catalogue is loaded before the event loop runs: from
    // here on each step of the progress bar paints at once, with no event loop needed.
    void show_painted();
    ProgressBox* progress_box() const { return progressbar_; }
    QLabel* logo() const { return logo_; }

private:
    QLabel* logo_;
    ProgressBox* progressbar_;
};

} // namespace vinylix
