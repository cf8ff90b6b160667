#pragma once

#include <QAbstractItemModel>
#include <QComboBox>
#include <QListWidget>
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

// What the browser of the main window `main` shows: the artist chosen and the album at the
// cursor, "Cure|Faith" ("|" when it shows nothing).
inline QString browsed(const QObject& main) {
    const QListWidgetItem* album = child<QListWidget>(main, "albums_list")->currentItem();
    return child<QComboBox>(main, "artists_combo")->currentText() + u'|' +
           (album ? album->text() : QString());
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
