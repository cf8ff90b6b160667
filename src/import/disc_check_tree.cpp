#include "disc_check_tree.h"

#include "disc_check_texts.h"

#include <QHeaderView>
#include <set>

namespace vinylix {

namespace {

// Each line's group and the album's position in it (-1 on a heading).
constexpr int group_role = Qt::UserRole;
constexpr int album_role = Qt::UserRole + 1;

void place_item(QTreeWidgetItem* item, CheckGroup group, int k) {
    item->setData(0, group_role, int(group));
    item->setData(0, album_role, k);
}

CheckGroup group_of(const QTreeWidgetItem* item) {
    return CheckGroup(item->data(0, group_role).toInt());
}

int album_of(const QTreeWidgetItem* item) {
    return item->data(0, album_role).toInt();
}

} // namespace

DiscCheckTree::DiscCheckTree(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("groups_tree"));
    setColumnCount(3);
    setHeaderLabels({tr("Album"), tr("In the catalogue"), tr("On the disc")});
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The album takes the room the two sides leave; each side is as wide as a usual value.
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::Stretch);
    const int side =
        fontMetrics().horizontalAdvance(QStringLiteral("12 songs, line 10 \"A song's title\""));
    for (int column = 1; column < 3; ++column)
        header()->resizeSection(column, side);
}

void DiscCheckTree::show_check(const DiscCheck* check) {
    const std::pair<int, int> place = current_place();
    check_ = check;
    clear();
    if (!check)
        return;
    for (int group = 0; group < check_group_count; ++group) {
        QTreeWidgetItem* heading = add_heading(CheckGroup(group));
        for (int k = 0; k < int(check->group(CheckGroup(group)).size()); ++k)
            add_album(heading, CheckGroup(group), k);
    }
    expandAll();
    go_near(place);
}

QTreeWidgetItem* DiscCheckTree::add_heading(CheckGroup group) {
    auto* heading = new QTreeWidgetItem(this, {group_heading(*check_, group)});
    place_item(heading, group, -1);
    QFont bold = font();
    bold.setBold(true);
    heading->setFont(0, bold);
    heading->setFirstColumnSpanned(true);
    return heading;
}

void DiscCheckTree::add_album(QTreeWidgetItem* heading, CheckGroup group, int k) {
    const CheckedAlbum& album = check_->group(group)[std::size_t(k)];
    auto* line =
        new QTreeWidgetItem(heading, {album.artist() + QStringLiteral(" - ") + album.album(),
                                      other_discs_text(album.other_discs)});
    place_item(line, group, k);
    for (const Field field : album.differing) {
        const FieldSides sides =
            field_sides(field, album.stored->record[field], album.on_disc[field]);
        auto* difference =
            new QTreeWidgetItem(line, {checked_field_name(field), sides.catalogue, sides.disc});
        place_item(difference, group, k);
        for (int column = 1; column < 3; ++column)
            difference->setToolTip(column, difference->text(column));
    }
}

std::vector<int> DiscCheckTree::selected_albums(CheckGroup group) const {
    std::set<int> albums;
    for (const QTreeWidgetItem* item : selectedItems()) {
        if (group_of(item) != group)
            continue;
        if (album_of(item) >= 0) {
            albums.insert(album_of(item));
            continue;
        }
        for (int k = 0; k < item->childCount(); ++k)
            albums.insert(k);
    }
    return {albums.begin(), albums.end()};
}

const CheckedAlbum* DiscCheckTree::current_album() const {
    const QTreeWidgetItem* item = currentItem();
    if (!check_ || !item || album_of(item) < 0)
        return nullptr;
    return &check_->group(group_of(item))[std::size_t(album_of(item))];
}

std::pair<int, int> DiscCheckTree::current_place() const {
    const QTreeWidgetItem* item = currentItem();
    return item ? std::pair{int(group_of(item)), album_of(item)} : std::pair{0, -1};
}

// The line at the same group and position, or the nearest one before it.
void DiscCheckTree::go_near(std::pair<int, int> place) {
    QTreeWidgetItem* heading = topLevelItem(place.first);
    if (!heading)
        return;
    const int k = std::min(place.second, heading->childCount() - 1);
    setCurrentItem(k >= 0 ? heading->child(k) : heading, 0, QItemSelectionModel::NoUpdate);
}

} // namespace vinylix
