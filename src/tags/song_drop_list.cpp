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
    QStringList not_local;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            paths += url.toLocalFile();
        else
            not_local += url.toDisplayString();
    }
    event->acceptProposedAction();
    emit files_dropped(paths, not_local);
}

} // namespace vinylix
