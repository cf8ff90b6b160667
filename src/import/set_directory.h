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
// Cancel. It opens on `start` (its volume chosen) and answers, once closed, whether a folder was
// chosen and which. Choosing a volume that cannot be read says "Please insert a disk into drive "
// and the volume's name, and leaves the tree where it was.
class SetDirectory : public QDialog {
    Q_OBJECT
public:
    SetDirectory(std::vector<Volume> volumes, const QString& start, QWidget* parent = nullptr);

    // True once OK closed the window; false when it was cancelled or closed otherwise.
    bool chosen() const { return chosen_; }
    // The folder shown in the tree (the one chosen, after OK).
    QString folder() const;
    // Shows `path` in the tree, its volume chosen in the volume list.
    void set_folder(const QString& path);

private:
    void volume_changed(int index);
    void show_volume(int index);
    int volume_index(const QString& path) const;

    std::vector<Volume> volumes_;
    QComboBox* drive1_;
    QTreeView* dir1_;
    QFileSystemModel* folders_;
    int shown_volume_ = -1;
    bool chosen_ = false;
};

} // namespace vinylix
