#include "song_drop_list.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace vinylix {

SongDropList::SongDropList(QWidget* parent) : QListWidget(parent) {
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
}

void SongDropList::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void SongDropList::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void SongDropList::dropEvent(QDropEvent* event) {
    if (!event->mimeData()->hasUrls())
        return;
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            paths += url.toLocalFile();
    }
    event->acceptProposedAction();
    emit files_dropped(paths);
}

} // namespace vinylix
