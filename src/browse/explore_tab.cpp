#include "explore_tab.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStyle>
#include <QToolBar>

namespace vinylix {

ExploreTab::ExploreTab(QWidget* parent)
    : QWidget(parent), artists_combo_(new QComboBox(this)), albums_list_(new QListWidget(this)),
      text1_(new QPlainTextEdit(this)), songlist_lb_(new QLabel(tr("Song List"), this)),
      songlist_bar_(new QToolBar(this)), albumsdb_lb_(new QLabel(tr("Albums Database"), this)) {
    setObjectName(QStringLiteral("explore_frame"));
    artists_combo_->setObjectName(QStringLiteral("artists_combo"));
    albums_list_->setObjectName(QStringLiteral("albums_list"));
    albums_list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setReadOnly(true);
    songlist_lb_->setObjectName(QStringLiteral("songlist_lb"));
    albumsdb_lb_->setObjectName(QStringLiteral("albumsdb_lb"));
    songlist_bar_->setObjectName(QStringLiteral("songlist_bar"));
    songlist_bar_->setIconSize(QSize(16, 16));
    songlist_bar_->addAction(style()->standardIcon(QStyle::SP_FileDialogContentsView),
                             tr("Copy song list"));
    songlist_bar_->addAction(style()->standardIcon(QStyle::SP_ArrowLeft), tr("Previous CD"));
    songlist_bar_->addAction(style()->standardIcon(QStyle::SP_ArrowRight), tr("Next CD"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(albumsdb_lb_, 0, 0);
    grid->addWidget(artists_combo_, 1, 0);
    grid->addWidget(albums_list_, 2, 0);
    auto* header = new QHBoxLayout;
    header->addWidget(songlist_lb_, 1);
    header->addWidget(songlist_bar_);
    grid->addLayout(header, 0, 1, 2, 1);
    grid->addWidget(text1_, 2, 1);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);
}

QAction* ExploreTab::songlist_button(int position) const {
    const auto actions = songlist_bar_->actions();
    return position >= 1 && position <= actions.size() ? actions[position - 1] : nullptr;
}

void ExploreTab::clear_lists() {
    artists_combo_->clear();
    albums_list_->clear();
    text1_->clear();
}

void ExploreTab::set_artists(const QStringList& names) {
    artists_combo_->clear();
    artists_combo_->addItems(names);
    if (!names.isEmpty())
        artists_combo_->setCurrentIndex(0);
}

} // namespace vinylix
