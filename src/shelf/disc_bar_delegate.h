#pragma once

#include <QStyledItemDelegate>

namespace vinylix {

// Draws a disc row of the disc list: its line on the left and, on the right, a bar of how full
// the disc is, navy as the program's progress bars, all red when the disc is over capacity.
// Rows without a fill (the audio CDs) are drawn as plain lines.
class DiscBarDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    static constexpr int bar_width = 160;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace vinylix
