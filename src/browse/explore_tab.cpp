#include "explore_tab.h"

#include "browser.h"
#include "kit/icons.h"
#include "kit/kept_selection.h"
#include "store/album_lookup.h"
#include "store/numeric_value.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QToolBar>
#include <climits>

namespace vinylix {

ExploreTab::ExploreTab(SharedState& state, QWidget* parent)
    : QWidget(parent), state_(state), artists_combo_(new QComboBox(this)),
      albums_list_(new QListWidget(this)), text1_(new QPlainTextEdit(this)),
      songlist_lb_(new QLabel(this)), songlist_bar_(new QToolBar(this)),
      albumsdb_lb_(new QLabel(tr("&Albums Database"), this)) {
    build_controls();
    connect(artists_combo_, &QComboBox::activated, this, [this] { show_artist(); });
    // A click and a move of the current line by keyboard show the album alike.
    connect(albums_list_, &QListWidget::currentItemChanged, this,
            [this](const QListWidgetItem* item) {
                if (item)
                    show_album(item->text());
            });
    keep_current_line_selected(albums_list_);
    connect(albums_list_, &QListWidget::itemDoubleClicked, this, [this] {
        if (state_.artists && state_.artists->record_count() >= 1)
            emit edit_album_requested();
    });
    albums_list_->viewport()->installEventFilter(this);
    connect(songlist_button(1), &QAction::triggered, this, [this] { copy_songs(); });
    connect(songlist_button(2), &QAction::triggered, this, [this] { step_cd(-1); });
    connect(songlist_button(3), &QAction::triggered, this, [this] { step_cd(+1); });
}

void ExploreTab::build_controls() {
    setObjectName(QStringLiteral("explore_frame"));
    artists_combo_->setObjectName(QStringLiteral("artists_combo"));
    // A catalogue may list a few hundred thousand artists: they are handed over as one list,
    // and neither the box nor its drop-down measures every name.
    artists_combo_->setModel(new QStringListModel(artists_combo_));
    artists_combo_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    artists_combo_->setMinimumContentsLength(16);
    if (auto* popup = qobject_cast<QListView*>(artists_combo_->view()))
        popup->setUniformItemSizes(true);
    albums_list_->setObjectName(QStringLiteral("albums_list"));
    albums_list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setReadOnly(true);
    text1_->setTabChangesFocus(true);
    songlist_lb_->setObjectName(QStringLiteral("songlist_lb"));
    songlist_lb_->setTextFormat(Qt::PlainText); // it shows the stored CD count
    songlist_lb_->setBuddy(text1_);
    show_caption(tr("Song List"));
    albumsdb_lb_->setObjectName(QStringLiteral("albumsdb_lb"));
    albumsdb_lb_->setBuddy(albums_list_);
    songlist_bar_->setObjectName(QStringLiteral("songlist_bar"));
    songlist_bar_->setIconSize(QSize(16, 16));
    // Named beside their pictures, with access keys that work from the lists (the buttons take
    // no focus, as on any toolbar): Alt+N steps through the CDs while the album stays chosen.
    songlist_bar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    struct Button {
        const char* key;
        QString name, tip;
    };
    const Button buttons[] = {{"copy", tr("C&opy"), tr("Copy song list")},
                              {"previous_cd", tr("&Previous"), tr("Previous CD")},
                              {"next_cd", tr("&Next"), tr("Next CD")}};
    for (const Button& b : buttons) {
        const QString key = QString::fromLatin1(b.key);
        QAction* button = songlist_bar_->addAction(command_icon(key), b.tip);
        button->setObjectName(key + "_songs");
        button->setIconText(b.name); // keeps the "&" that makes the access key
    }
    setFocusProxy(artists_combo_);

    auto* artist_row = new QHBoxLayout;
    auto* artist_lb = new QLabel(tr("A&rtist:"), this);
    artist_lb->setBuddy(artists_combo_);
    artist_row->addWidget(artist_lb);
    artist_row->addWidget(artists_combo_, 1);
    auto* grid = new QGridLayout(this);
    grid->addWidget(albumsdb_lb_, 0, 0);
    grid->addLayout(artist_row, 1, 0);
    grid->addWidget(albums_list_, 2, 0);
    auto* header = new QHBoxLayout;
    header->addWidget(songlist_lb_, 1);
    header->addWidget(songlist_bar_);
    grid->addLayout(header, 0, 1, 2, 1);
    grid->addWidget(text1_, 2, 1);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);
}

// The buttons of the song-list toolbar by position: 1 copy, 2 previous CD, 3 next CD.
QAction* ExploreTab::songlist_button(int position) const {
    const auto actions = songlist_bar_->actions();
    return position >= 1 && position <= actions.size() ? actions[position - 1] : nullptr;
}

void ExploreTab::clear_lists() {
    artists_combo_->clear();
    {
        const QSignalBlocker quiet(albums_list_);
        albums_list_->clear();
    }
    show_nothing();
}

void ExploreTab::set_artists(const QStringList& names) {
    static_cast<QStringListModel*>(artists_combo_->model())->setStringList(names);
    if (!names.isEmpty()) {
        artists_combo_->setCurrentIndex(0);
        show_artist();
    }
    show_first_steps();
}

// No album is shown: the song list, its caption and buttons and the status panels are empty.
void ExploreTab::show_nothing() {
    current_cd_ = 0;
    cd_texts_.clear();
    show_songs({});
    show_caption(tr("Song List"));
    for (int button = 1; button <= 3; ++button)
        songlist_button(button)->setEnabled(false);
    emit panels_changed({});
    show_first_steps();
}

// While the catalogue is open and holds no album, the song-list area says how albums get in.
void ExploreTab::show_first_steps() {
    const bool empty = state_.catalogue_open() && artists_combo_->count() == 0;
    text1_->setPlaceholderText(empty ? first_steps_text() : QString());
}

QString ExploreTab::first_steps_text() {
    return tr("To add an album: Edit > Add > New album (Alt+D, A, N).\n"
              "To add a folder of albums: the Import Albums tab.");
}

void ExploreTab::show_artist() {
    {
        const QSignalBlocker quiet(albums_list_);
        albums_list_->clear();
    }
    current_cd_ = 0;
    if (!state_.artists || artists_combo_->currentIndex() < 0) {
        show_nothing();
        return;
    }
    albums_list_->addItems(albums_of_artist(*state_.artists, artists_combo_->currentText()));
    if (albums_list_->count() > 0)
        show_row(0);
    else
        show_nothing();
}

void ExploreTab::show_row(int row) {
    {
        const QSignalBlocker quiet(albums_list_);
        albums_list_->clearSelection();
        albums_list_->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    }
    show_album(albums_list_->item(row)->text());
}

void ExploreTab::show_album(const QString& title) {
    current_cd_ = 0;
    if (!state_.artists ||
        !position_on_album(*state_.artists, artists_combo_->currentText(), title))
        return;
    const AlbumDisplay display = album_display(state_.artists->record());
    cd_texts_ = display.cd_texts;
    cd_count_text_ = state_.artists->value(field_name(Field::Cds));
    show_songs(display.songs);
    show_caption(display.caption);
    songlist_button(2)->setEnabled(display.multi);
    songlist_button(3)->setEnabled(display.multi);
    songlist_button(1)->setEnabled(!display.songs.isEmpty());
    emit panels_changed(display.panels);
}

void ExploreTab::select_artist_and_album(const QString& artist, const QString& album) {
    for (int i = 0; i < artists_combo_->count(); ++i) {
        if (artists_combo_->itemText(i).compare(artist, Qt::CaseInsensitive) == 0) {
            artists_combo_->setCurrentIndex(i);
            show_artist();
            break;
        }
    }
    // Without an album of that title, the album shown (the artist's first) stays selected.
    for (int i = 0; i < albums_list_->count(); ++i) {
        if (albums_list_->item(i)->text() == album) {
            show_row(i);
            return;
        }
    }
}

void ExploreTab::focus_albums() {
    albums_list_->setFocus();
}

QString ExploreTab::browsed_artist() const {
    return artists_combo_->currentText();
}

std::optional<QString> ExploreTab::browsed_album() const {
    const QListWidgetItem* current = albums_list_->currentItem();
    if (current && current->isSelected())
        return current->text();
    const auto selected = albums_list_->selectedItems();
    if (!selected.isEmpty())
        return selected.first()->text();
    return current ? std::optional(current->text()) : std::nullopt;
}

QString ExploreTab::current_album() const {
    const QListWidgetItem* current = albums_list_->currentItem();
    return current ? current->text() : QString();
}

QStringList ExploreTab::selected_albums() const {
    QStringList titles;
    for (int i = 0; i < albums_list_->count(); ++i)
        if (albums_list_->item(i)->isSelected())
            titles << albums_list_->item(i)->text();
    return titles;
}

bool ExploreTab::remove_selected_albums(const std::function<bool(const QString&)>& remove) {
    const QSignalBlocker quiet(albums_list_); // the album is shown once the lines are gone
    // The lines selected at the start: taking lines out may select another one.
    const QList<QListWidgetItem*> chosen = albums_list_->selectedItems();
    int last_offered = -1;
    bool removed = false;
    for (int i = 0; i < albums_list_->count(); ++i) {
        if (!chosen.contains(albums_list_->item(i)))
            continue;
        last_offered = i;
        if (!remove(albums_list_->item(i)->text()))
            continue;
        delete albums_list_->takeItem(i--);
        removed = true;
    }
    if (removed)
        show_after_removal(last_offered);
    return removed;
}

void ExploreTab::show_after_removal(int last_offered) {
    if (albums_list_->count() > 0) {
        show_row(last_offered > 0 ? last_offered - 1 : 0);
        return;
    }
    const int removed = artists_combo_->currentIndex();
    artists_combo_->removeItem(removed);
    if (artists_combo_->count() == 0) {
        clear_lists();
        return;
    }
    artists_combo_->setCurrentIndex(removed > 0 ? removed - 1 : 0);
    show_artist();
}

ExploreTab::Shown ExploreTab::shown() const {
    Shown shown;
    if (artists_combo_->currentIndex() >= 0)
        shown.artist = artists_combo_->currentText();
    if (const QListWidgetItem* item = albums_list_->currentItem())
        shown.current = item->text();
    for (const QListWidgetItem* item : albums_list_->selectedItems())
        shown.selected << item->text();
    return shown;
}

bool ExploreTab::show_again(const Shown& shown) {
    if (shown.artist.isEmpty())
        return true;
    select_artist_and_album(shown.artist, shown.current);
    if (artists_combo_->currentText().compare(shown.artist, Qt::CaseInsensitive) != 0)
        return false;
    const QListWidgetItem* current = albums_list_->currentItem();
    bool all_there = shown.current.isEmpty() || (current && current->text() == shown.current);
    const QSignalBlocker quiet(albums_list_);
    for (const QString& title : shown.selected) {
        const QList<QListWidgetItem*> found = albums_list_->findItems(title, Qt::MatchExactly);
        all_there = all_there && !found.isEmpty();
        for (QListWidgetItem* item : found)
            item->setSelected(true);
    }
    return all_there;
}

void ExploreTab::show_cd(int index) {
    current_cd_ = index;
    // A CD whose section is missing from the stored list shows an empty list.
    show_songs(cd_texts_.value(index));
    show_caption(cd_caption(index, cd_count_text_));
}

void ExploreTab::step_cd(int step) {
    const int target = current_cd_ + step;
    if (target < 0 || target > whole_value(cd_count_text_, INT_MIN, INT_MAX) - 1)
        return;
    show_cd(target);
}

// "Song List [CD 1/2]", its "L" the access key of the song list.
void ExploreTab::show_caption(QString caption) {
    songlist_lb_->setText(caption.replace(QStringLiteral("Song List"), tr("Song &List")));
}

void ExploreTab::show_songs(const QString& songs) {
    shown_songs_ = songs;
    text1_->setPlainText(songs);
}

void ExploreTab::copy_songs() {
    QGuiApplication::clipboard()->setText(shown_songs_);
}

bool ExploreTab::eventFilter(QObject* watched, QEvent* event) {
    if (watched == albums_list_->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            emit edit_menu_requested(mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vinylix
