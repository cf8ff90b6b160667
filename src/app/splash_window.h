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
    ProgressBox* progress_box() const { return progressbar_; }
    QLabel* logo() const { return logo_; }

private:
    QLabel* logo_;
    ProgressBox* progressbar_;
};

} // namespace vinylix
