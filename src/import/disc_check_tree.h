#pragma once

#include "disc_check.h"

#include <QTreeWidget>
#include <utility>
#include <vector>

namespace vinylix {

// The groups of a disc check as a tree (`groups_tree`): a heading for each group with its
// count, its albums under it ("Artist - Album"), and under an album that differs a line for
// each differing field, the catalogue's value and the disc's side by side; an album only on
// the disc says where the catalogue holds it instead. Several lines can be selected; a
// selected heading stands for its whole group, a selected field line for its album.
class DiscCheckTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit DiscCheckTree(QWidget* parent = nullptr);

    // Shows `check` (null: nothing), the current line kept near its place.
    void show_check(const DiscCheck* check);
    // The positions, in their group, of the albums of `group` that are selected.
    std::vector<int> selected_albums(CheckGroup group) const;
    // The album of the current line; null on a heading or with nothing shown.
    const CheckedAlbum* current_album() const;

private:
    QTreeWidgetItem* add_heading(CheckGroup group);
    void add_album(QTreeWidgetItem* heading, CheckGroup group, int k);
    std::pair<int, int> current_place() const;
    void go_near(std::pair<int, int> place);

    const DiscCheck* check_ = nullptr;
};

} // namespace vinylix
