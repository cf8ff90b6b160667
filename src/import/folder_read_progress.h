#pragma once

#include "store/progress.h"

#include <QElapsedTimer>
#include <QObject>

class QAbstractButton;

namespace vinylix {

class ProgressBox;

// The progress of a read of album folders, shown the import's way while the read runs on the
// window's own thread: the bar on `box` (when there is one) follows the folders read, and the
// windows repaint a few times a second, with what was found so far, while the user's input
// waits for the end of the read. With a stop button the read can be stopped: a click on it or
// Escape in its window stops it at its next folder, every other click or key meanwhile is
// dropped, and closing its window stops the read instead. The bar is cleared when this object
// goes.
class FolderReadProgress : public QObject {
public:
    explicit FolderReadProgress(ProgressBox* box, QAbstractButton* stop = nullptr);
    ~FolderReadProgress() override;

    // What the read reports to; it answers false once the user stopped the read.
    ProgressFn callback();
    bool stopped() const { return stopped_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool report(qint64 done, qint64 total);

    ProgressBox* box_;
    QAbstractButton* stop_;
    QElapsedTimer since_repaint_;
    bool stopped_ = false;
};

} // namespace vinylix
