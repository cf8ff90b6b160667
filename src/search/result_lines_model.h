#pragma once

#include <QAbstractListModel>
#include <functional>

namespace vinylix {

// The lines of a search as a list model: each line's text is made only when a view asks for
// it, so a list of millions of results is shown at once and costs no text of its own.
class ResultLinesModel : public QAbstractListModel {
    Q_OBJECT
public:
    using LineFn = std::function<QString(int row)>;

    using QAbstractListModel::QAbstractListModel;

    // Shows `rows` lines, each made by `line` when asked for.
    void show(int rows, LineFn line);
    // One line of text (a message rather than results).
    void show_text(const QString& text);
    // More lines made by the same `line`: the rows shown grow to `rows`.
    void grow_to(int rows);
    QString line(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    int rows_ = 0;
    LineFn line_;
};

} // namespace vinylix
