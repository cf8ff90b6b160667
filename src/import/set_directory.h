#pragma once

#include "volumes.h"

#include <QDialog>
#include <vector>

class QComboBox;
class QFileSystemModel;
class QTreeView;

namespace vinylix {

// The folder chooser "Set  Directory" (`setdirectory`): the mounted volumes in place of drives
// (`Drive1`), the folders of the chosen volume as a tree (`Dir1`), the instructions, and OK and
// Cancel. It opens on `start` (its volume chosen), kept in sight while the tree is read, and
// answers, once closed, whether a folder was chosen and which. Choosing a volume that cannot be
// read says "Please insert a disk into drive " and the volume's name, and leaves the tree where
// it was. OK takes exactly the folder the user chose: when another program deleted, renamed or
// unmounted it since, the tree moves to none of its neighbours, OK says the folder is gone, and
// the window stays open for another choice.
class SetDirectory : public QDialog {
    Q_OBJECT
public:
    SetDirectory(std::vector<Volume> volumes, const QString& start, QWidget* parent = nullptr);

    // True once OK closed the window; false when it was cancelled or closed otherwise.
    bool chosen() const { return chosen_; }
    // The folder the user chose in the tree (the volume's root while none is chosen).
    QString folder() const;
    // Shows `path` in the tree, its volume chosen in the volume list.
    void set_folder(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch_folders();
    void take_ok();
    void keep_in_sight();
    void volume_changed(int index);
    void show_volume(int index);
    int volume_index(const QString& path) const;

    std::vector<Volume> volumes_;
    QComboBox* drive1_;
    QTreeView* dir1_;
    QFileSystemModel* folders_;
    QString chosen_folder_;        // the folder last made current by the user or set_folder
    bool folders_dropped_ = false; // while the tree drops folders gone from the disk
    bool in_sight_ = true;         // the chosen folder is kept in sight until the user acts
    int shown_volume_ = -1;
    bool chosen_ = false;
};

} // namespace vinylix
