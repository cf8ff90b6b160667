#include "disc_list_model.h"

#include "disc_texts.h"

#include <QColor>

namespace vinylix {

DiscListModel::DiscListModel(std::shared_ptr<const ShelfContents> contents, Medium medium,
                             QObject* parent)
    : QAbstractListModel(parent), contents_(std::move(contents)), medium_(medium) {}

int DiscListModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    const Shelf& shelf = contents_->shelf;
    return int(shelf.discs.size()) + (shelf.audio_cds.empty() ? 0 : 1);
}

const ShelfDisc* DiscListModel::disc_at(int row) const {
    const auto& discs = contents_->shelf.discs;
    return row >= 0 && std::size_t(row) < discs.size() ? &discs[std::size_t(row)] : nullptr;
}

bool DiscListModel::is_audio_cd_row(int row) const {
    return !contents_->shelf.audio_cds.empty() && std::size_t(row) == contents_->shelf.discs.size();
}

QVariant DiscListModel::data(const QModelIndex& index, int role) const {
    const ShelfDisc* disc = disc_at(index.row());
    if (!disc) {
        if (role == Qt::DisplayRole && is_audio_cd_row(index.row()))
            return audio_cds_line(contents_->shelf.audio_cds.size());
        return {};
    }
    const bool over = excess_hundredths(disc->size_hundredths, medium_) > 0;
    switch (role) {
    case Qt::DisplayRole:
        return disc_line(*disc, medium_);
    case Qt::ForegroundRole:
        return over ? QVariant(QColor(Qt::red)) : QVariant();
    case FilledRole:
        return filled_part(disc->size_hundredths, medium_);
    case OverRole:
        return over;
    default:
        return {};
    }
}

void DiscListModel::set_contents(std::shared_ptr<const ShelfContents> contents) {
    beginResetModel();
    contents_ = std::move(contents);
    endResetModel();
}

void DiscListModel::set_medium(Medium medium) {
    medium_ = medium;
    if (const int rows = rowCount(); rows > 0)
        emit dataChanged(this->index(0), this->index(rows - 1));
}

} // namespace vinylix
