#include "kept_selection.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>

namespace vinylix {

void keep_current_line_selected(QAbstractItemView* list) {
    QItemSelectionModel* selection = list->selectionModel();
    QObject::connect(selection, &QItemSelectionModel::selectionChanged, list, [selection] {
        const QModelIndex current = selection->currentIndex();
        if (!selection->hasSelection() && current.isValid())
            selection->select(current, QItemSelectionModel::Select);
    });
}

} // namespace vinylix
