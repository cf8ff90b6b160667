#pragma once

#include "duplicate_groups.h"

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <memory>

namespace vinylix {

// The groups as rows: each group's heading (its first copy's name, how many copies and what
// could be freed, in bold, across the whole row: see GroupHeadingDelegate), then one row per
// copy with its name, disc, size, bitrate, year, CD count, songs and, for the best copy (in
// bold), the word "best". Headings can be moved to but not selected. One flat list, however
// many groups: a row finds its group by a binary search.
class DuplicateGroupsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Name, Disc, Size, Bitrate, Year, Cds, Songs, Best, ColumnCount };

    explicit DuplicateGroupsModel(QObject* parent = nullptr);

    void set_groups(std::shared_ptr<const DuplicateGroups> found);
    const DuplicateGroups* groups() const { return found_.get(); }

    // The copy a row shows; null for a heading or a row out of range.
    const AlbumSummary* copy_at(const QModelIndex& index) const;
    bool is_heading(const QModelIndex& index) const;
    // Where a row stands: its group and, for a copy, its place in the group (-1 for a heading);
    // {-1, -1} out of range.
    std::pair<int, int> place_of(const QModelIndex& index) const;
    // The row at a place, held within the groups and copies there are; invalid without groups.
    QModelIndex index_near(int group, int copy) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::shared_ptr<const DuplicateGroups> found_;
    std::vector<int> heading_rows_; // the row of each group's heading
};

// Paints a group's heading across the whole row rather than within its first column.
class GroupHeadingDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

} // namespace vinylix
