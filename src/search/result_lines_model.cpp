#include "result_lines_model.h"

namespace vinylix {

void ResultLinesModel::show(int rows, LineFn line) {
    beginResetModel();
    rows_ = rows;
    line_ = std::move(line);
    endResetModel();
}

void ResultLinesModel::show_text(const QString& text) {
    show(1, [text](int) { return text; });
}

void ResultLinesModel::grow_to(int rows) {
    if (rows <= rows_)
        return;
    beginInsertRows({}, rows_, rows - 1);
    rows_ = rows;
    endInsertRows();
}

QString ResultLinesModel::line(int row) const {
    return row >= 0 && row < rows_ && line_ ? line_(row) : QString();
}

int ResultLinesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

QVariant ResultLinesModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    return line(index.row());
}

} // namespace vinylix
