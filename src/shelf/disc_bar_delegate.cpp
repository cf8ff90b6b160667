#include "disc_bar_delegate.h"

#include "disc_list_model.h"

#include <QApplication>
#include <QPainter>
#include <algorithm>

namespace vinylix {

namespace {

const QColor navy(0, 0, 128);
constexpr int margin = 4;

QRect bar_rect(const QRect& row) {
    return QRect(row.right() - DiscBarDelegate::bar_width - margin, row.top() + margin,
                 DiscBarDelegate::bar_width, row.height() - 2 * margin);
}

void draw_bar(QPainter* painter, const QRect& bar, double filled, bool over) {
    painter->save();
    painter->fillRect(bar, Qt::white);
    const int width = over ? bar.width() : int(bar.width() * filled + 0.5);
    painter->fillRect(QRect(bar.left(), bar.top(), width, bar.height()),
                      over ? QColor(Qt::red) : navy);
    painter->setPen(Qt::gray);
    painter->drawRect(bar.adjusted(0, 0, -1, -1));
    painter->restore();
}

} // namespace

void DiscBarDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    const QVariant filled = index.data(DiscListModel::FilledRole);
    if (!filled.isValid()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    // The row's background across its whole width, then its text beside the bar.
    QStyleOptionViewItem background = item;
    background.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);
    const QRect bar = bar_rect(option.rect);
    item.rect.setRight(bar.left() - 2 * margin);
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);
    draw_bar(painter, bar, filled.toDouble(), index.data(DiscListModel::OverRole).toBool());
}

QSize DiscBarDelegate::sizeHint(const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(std::max(size.height(), option.fontMetrics.height() + 2 * margin));
    size.setWidth(size.width() + bar_width + 3 * margin);
    return size;
}

} // namespace vinylix
