#pragma once

#include <QAbstractItemModel>
#include <QObject>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QWidget>

#include <csignal>
#include <sys/resource.h>

namespace vinylix::test {

// The child of `parent` named `name`; null when there is none of that type.
template <typename Widget = QWidget> Widget* child(const QObject& parent, const char* name) {
    return parent.findChild<Widget*>(QString::fromLatin1(name));
}

// Clicks the tab at `index` of `tabs`, as a user does.
inline void click_tab(QTabWidget& tabs, int index) {
    QTest::mouseClick(tabs.tabBar(), Qt::LeftButton, {}, tabs.tabBar()->tabRect(index).center());
}

// The text of each row of a list, combo box or view, in the order shown.
inline QStringList row_texts(const QAbstractItemModel* model) {
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, 0).data().toString();
    return texts;
}

// Holds the size a process may give a file at `bytes` for the lifetime of this object, with
// the signal that crossing it raises ignored, so the write fails instead.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, old_handler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*old_handler_)(int) = nullptr;
};

} // namespace vinylix::test
