#include "splash_window.h"

#include "kit/progress_box.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFrame>
#include <QLabel>
#include <QThread>
#include <QVBoxLayout>
#include <QWindow>

namespace vinylix {

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), logo_(new QLabel(this)),
      progressbar_(new ProgressBox(this)) {
    setObjectName(QStringLiteral("splashscreen"));
    logo_->setObjectName(QStringLiteral("logo"));
    QFont big = logo_->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    logo_->setFont(big);
    logo_->setAlignment(Qt::AlignCenter);
    auto* loading = new QLabel(tr("Loading..."), this);
    loading->setObjectName(QStringLiteral("Label1"));
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    progressbar_->setFixedHeight(12);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addWidget(logo_);
    layout->addWidget(line);
    layout->addWidget(loading);
    layout->addWidget(progressbar_);
    setFixedSize(420, 180);
}

void SplashWindow::show_painted() {
    show();
    QDeadlineTimer deadline(3000);
    while (!(windowHandle() && windowHandle()->isExposed()) && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(5);
    }
    repaint();
}

} // namespace vinylix
