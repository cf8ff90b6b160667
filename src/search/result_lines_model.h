#pragma once

#include "result_line.h"

#include <QAbstractListModel>

namespace vinylix {

// The lines of a search as a list model: each line's text is made only when a view asks for
// it, so a list of many thousand results is shown at once.
class ResultLinesModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void set_lines(ResultLines lines);
    QString line(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    ResultLines lines_;
};

} // namespace vinylix
