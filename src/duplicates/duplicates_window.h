#pragma once

#include "store/album_summaries.h"

#include <QDialog>
#include <optional>

class QLabel;
class QPushButton;
class QTimer;
class QTreeView;

namespace vinylix {

class DuplicateGroupsModel;
class GroupSearch;
class ProgressBox;
struct DuplicateGroups;

// "duplicates_frm", "Duplicate Albums": the albums of the catalogue file at a path that are the
// same album, group by group, the biggest saving first, with the best copy of each marked and
// the totals below; or, instead of an empty list, why there is none. The groups are found on a
// thread of their own while a bar shows how far, the window repainting meanwhile.
// A double click or Enter on a copy ("&Show in Browser") closes the window with that copy as
// its choice; Delete (or "&Delete") asks whoever opened it to delete the copy
// (`delete_requested`), which then calls `refresh`. "&Copy" and "Sa&ve List..." give the groups as
// text. Escape closes it.
class DuplicatesWindow : public QDialog {
    Q_OBJECT
public:
    explicit DuplicatesWindow(QString catalogue_path, QWidget* parent = nullptr);
    ~DuplicatesWindow() override;

    // The copy chosen to be shown in the browser, if one was.
    const std::optional<AlbumSummary>& chosen() const { return chosen_; }
    // Finds the groups again, after the catalogue changed; the line shown stays near its place.
    void refresh();
    // True while the groups are being found.
    bool searching() const;

signals:
    // The user asked to delete this copy.
    void delete_requested(const vinylix::AlbumSummary& copy);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build_controls();
    void show_found(std::shared_ptr<const DuplicateGroups> found, const QString& error);
    void show_progress();
    void update_buttons();
    const AlbumSummary* current_copy() const;
    void choose_current();
    void delete_current();
    void copy_list();
    void save_list();

    DuplicateGroupsModel* model_ = nullptr;
    GroupSearch* search_ = nullptr;
    QTimer* progress_timer_ = nullptr;
    QLabel* rule_lb_ = nullptr;
    QTreeView* groups_tree_ = nullptr;
    QLabel* nothing_lb_ = nullptr;
    ProgressBox* progressbar_ = nullptr;
    QLabel* totals_lb_ = nullptr;
    QPushButton* show_bttn_ = nullptr;
    QPushButton* delete_bttn_ = nullptr;
    QPushButton* copy_bttn_ = nullptr;
    QPushButton* save_bttn_ = nullptr;
    QPushButton* close_bttn_ = nullptr;
    std::pair<int, int> kept_place_{0, 0};
    std::optional<AlbumSummary> chosen_;
};

} // namespace vinylix
