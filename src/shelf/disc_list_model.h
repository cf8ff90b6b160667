#pragma once

#include "shelf_discs.h"
#include "shelf_media.h"
#include "shelf_reading.h"

#include <QAbstractListModel>
#include <memory>

namespace vinylix {

// The disc list: one row per disc in numeric order, then one row for the audio CDs when there
// are any. A disc row gives its line ("Disc 12: 8 albums, 612.4 MB"), how full it is against
// the medium (`FilledRole`, 0 to 1) and whether it is over capacity (`OverRole`, drawn red).
// The audio-CD row has no fill.
class DiscListModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role { FilledRole = Qt::UserRole + 1, OverRole };

    DiscListModel(std::shared_ptr<const ShelfContents> contents, Medium medium,
                  QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Measures every disc against another medium.
    void set_medium(Medium medium);
    // Shows other contents (shared with the window, so that neither outlives the other's data).
    void set_contents(std::shared_ptr<const ShelfContents> contents);
    // The disc of a row; null for the audio-CD row or a row out of range.
    const ShelfDisc* disc_at(int row) const;
    bool is_audio_cd_row(int row) const;

private:
    std::shared_ptr<const ShelfContents> contents_;
    Medium medium_;
};

} // namespace vinylix
