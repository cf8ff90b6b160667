#include "duplicate_groups_model.h"

#include "duplicate_texts.h"

#include <QAbstractItemView>
#include <QFont>
#include <QPalette>
#include <algorithm>

namespace vinylix {

namespace {

QString column_text(const AlbumSummary& copy, bool best, int column) {
    const CopyTexts texts = copy_texts(copy);
    switch (column) {
    case DuplicateGroupsModel::Name:
        return album_name_text(copy);
    case DuplicateGroupsModel::Disc:
        return texts.disc;
    case DuplicateGroupsModel::Size:
        return texts.size;
    case DuplicateGroupsModel::Bitrate:
        return texts.bitrate;
    case DuplicateGroupsModel::Year:
        return texts.year;
    case DuplicateGroupsModel::Cds:
        return texts.cds;
    case DuplicateGroupsModel::Songs:
        return texts.songs;
    default:
        return best ? best_copy_text() : QString();
    }
}

} // namespace

DuplicateGroupsModel::DuplicateGroupsModel(QObject* parent) : QAbstractTableModel(parent) {}

void DuplicateGroupsModel::set_groups(std::shared_ptr<const DuplicateGroups> found) {
    beginResetModel();
    found_ = std::move(found);
    heading_rows_.clear();
    int row = 0;
    for (const DuplicateGroup& group : found_ ? found_->groups : std::vector<DuplicateGroup>()) {
        heading_rows_.push_back(row);
        row += 1 + int(group.count);
    }
    endResetModel();
}

int DuplicateGroupsModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || heading_rows_.empty())
        return 0;
    return heading_rows_.back() + 1 + int(found_->groups.back().count);
}

int DuplicateGroupsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

std::pair<int, int> DuplicateGroupsModel::place_of(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this || index.row() >= rowCount())
        return {-1, -1};
    const auto after = std::upper_bound(heading_rows_.begin(), heading_rows_.end(), index.row());
    const int group = int(after - heading_rows_.begin()) - 1;
    return {group, index.row() - heading_rows_[std::size_t(group)] - 1};
}

bool DuplicateGroupsModel::is_heading(const QModelIndex& index) const {
    const auto [group, copy] = place_of(index);
    return group >= 0 && copy < 0;
}

const AlbumSummary* DuplicateGroupsModel::copy_at(const QModelIndex& index) const {
    const auto [group, copy] = place_of(index);
    if (copy < 0)
        return nullptr;
    return &found_->copies[found_->groups[std::size_t(group)].first + std::size_t(copy)];
}

QModelIndex DuplicateGroupsModel::index_near(int group, int copy) const {
    if (heading_rows_.empty())
        return {};
    const std::size_t g = std::size_t(std::clamp(group, 0, int(heading_rows_.size()) - 1));
    const int copies = int(found_->groups[g].count);
    return index(heading_rows_[g] + 1 + std::clamp(copy, -1, copies - 1), 0);
}

QVariant DuplicateGroupsModel::data(const QModelIndex& index, int role) const {
    const auto [group_at, copy] = place_of(index);
    if (group_at < 0)
        return {};
    const DuplicateGroup& group = found_->groups[std::size_t(group_at)];
    const bool heading = copy < 0;
    const bool best = !heading && std::size_t(copy) == group.best;
    if (role == Qt::FontRole && (heading || best)) {
        QFont font;
        font.setBold(true);
        return font;
    }
    if (role == Qt::BackgroundRole && heading && index.column() == Name)
        return QPalette().window(); // painted across the row
    if (role != Qt::DisplayRole)
        return {};
    if (heading)
        return index.column() == Name ? group_heading(*found_, group) : QString();
    return column_text(*copy_at(index), best, index.column());
}

Qt::ItemFlags DuplicateGroupsModel::flags(const QModelIndex& index) const {
    if (is_heading(index))
        return Qt::ItemIsEnabled;
    return QAbstractTableModel::flags(index);
}

QVariant DuplicateGroupsModel::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const titles[ColumnCount] = {"Album", "Disc", "Size",  "Bitrate",
                                                    "Year",  "CDs",  "Songs", "Best"};
    return section >= 0 && section < ColumnCount ? tr(titles[section]) : QVariant();
}

void GroupHeadingDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    const auto* model = qobject_cast<const DuplicateGroupsModel*>(index.model());
    const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
    if (!model || !view || index.column() != DuplicateGroupsModel::Name ||
        !model->is_heading(index))
        return QStyledItemDelegate::paint(painter, option, index);
    // The other cells of a heading row are empty and paint no background over it.
    QStyleOptionViewItem across = option;
    across.rect.setRight(view->viewport()->width() - 1);
    QStyledItemDelegate::paint(painter, across, index);
}

} // namespace vinylix
