#pragma once

#include <QListWidget>
#include <QStringList>

namespace vinylix {

// A list box that takes files dropped from a file manager: it reports the local paths of the
// dropped items, in their order, and leaves choosing among them to its window. Items that are
// not local files (a web address) are reported apart, as their addresses.
class SongDropList : public QListWidget {
    Q_OBJECT
public:
    explicit SongDropList(QWidget* parent = nullptr);

signals:
    void files_dropped(const QStringList& paths, const QStringList& not_local);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

} // namespace vinylix
