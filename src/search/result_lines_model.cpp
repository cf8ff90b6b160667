#include "result_lines_model.h"

namespace vinylix {

void ResultLinesModel::set_lines(ResultLines lines) {
    beginResetModel();
    lines_ = std::move(lines);
    endResetModel();
}

QString ResultLinesModel::line(int row) const {
    return row >= 0 && row < rowCount() ? lines_[std::size_t(row)].line() : QString();
}

int ResultLinesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(lines_.size());
}

QVariant ResultLinesModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    return line(index.row());
}

} // namespace vinylix
