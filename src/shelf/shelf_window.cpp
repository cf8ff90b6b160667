#include "shelf_window.h"

#include "disc_bar_delegate.h"
#include "disc_texts.h"
#include "free_numbers.h"
#include "kit/program_title.h"
#include "kit/progress_box.h"
#include "kit/prompts.h"
#include "kit/save_target.h"
#include "store/whole_file.h"

#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

namespace vinylix {

namespace {

constexpr int album_position_role = Qt::UserRole;

// How often the bar follows the reading.
constexpr int progress_interval_ms = 40;

QPushButton* make_button(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false); // Enter on a list chooses its album, never a button
    return button;
}

QLabel* make_label(QWidget* parent, const QString& caption, QWidget* buddy) {
    auto* label = new QLabel(caption, parent);
    label->setBuddy(buddy);
    return label;
}

void add_album_item(QListWidget* list, const QString& text, std::size_t position) {
    auto* item = new QListWidgetItem(text, list);
    item->setData(album_position_role, qulonglong(position));
}

} // namespace

ShelfWindow::ShelfWindow(ShelfRequest request, QWidget* parent) : QDialog(parent) {
    auto contents = std::make_shared<ShelfContents>();
    if (request.read_from.isEmpty()) {
        contents->albums = std::move(request.albums);
        contents->shelf = arrange_shelf(contents->albums);
    }
    contents_ = std::move(contents);
    outcome_.medium = request.medium;
    model_ = new DiscListModel(contents_, request.medium, this);
    build_controls();
    medium_combo_->setCurrentIndex(medium_combo_->findData(int(request.medium)));
    connect(medium_combo_, &QComboBox::currentIndexChanged, this, &ShelfWindow::choose_medium);
    connect(discs_list_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { show_disc(current.row()); });
    for (QListWidget* list : {disc_albums_list_, notnumber_list_}) {
        connect(list, &QListWidget::itemDoubleClicked, this, &ShelfWindow::choose_album);
        list->installEventFilter(this);
    }
    connect(copyinsert_bttn_, &QPushButton::clicked, this, &ShelfWindow::copy_insert);
    connect(saveinsert_bttn_, &QPushButton::clicked, this, &ShelfWindow::save_insert);
    connect(close_bttn_, &QPushButton::clicked, this, &QDialog::reject);
    if (request.read_from.isEmpty())
        show_contents();
    else
        start_reading(request.read_from);
}

// The lists stay empty and the insert buttons off until the albums are read.
void ShelfWindow::start_reading(const QString& catalogue_path) {
    show_disc(-1);
    notnumber_lb_->hide();
    notnumber_list_->hide();
    progressbar_->show();
    auto* reading = new ShelfReading(catalogue_path, this);
    connect(reading, &ShelfReading::finished, this, &ShelfWindow::contents_read);
    connect(progress_timer_, &QTimer::timeout, this,
            [this, reading] { progressbar_->set_progress(reading->done(), reading->total()); });
    progress_timer_->start(progress_interval_ms);
    reading->start();
}

void ShelfWindow::contents_read(std::shared_ptr<const ShelfContents> contents,
                                const QString& error) {
    progress_timer_->stop();
    progressbar_->hide();
    if (!contents) {
        prompts().notice(this, program_title(), error, Prompts::Icon::Exclamation);
        reject();
        return;
    }
    contents_ = std::move(contents);
    model_->set_contents(contents_);
    show_contents();
    if (!disc_wanted_.isEmpty())
        select_disc(disc_wanted_);
}

void ShelfWindow::show_contents() {
    fill_lists();
    if (model_->rowCount() > 0)
        discs_list_->setCurrentIndex(model_->index(0));
    else
        show_disc(-1);
    discs_list_->setFocus(); // the arrow keys move from disc to disc at once
}

void ShelfWindow::build_controls() {
    setObjectName(QStringLiteral("shelf_frm"));
    setWindowTitle(tr("Shelf Discs"));
    medium_combo_ = new QComboBox(this);
    medium_combo_->setObjectName(QStringLiteral("medium_combo"));
    for (const Medium medium : all_media)
        medium_combo_->addItem(medium_name(medium), int(medium));
    discs_list_ = new QListView(this);
    discs_list_->setObjectName(QStringLiteral("discs_list"));
    discs_list_->setModel(model_);
    discs_list_->setItemDelegate(new DiscBarDelegate(discs_list_));
    discs_list_->setUniformItemSizes(true);
    discs_list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    disc_albums_list_ = new QListWidget(this);
    disc_albums_list_->setObjectName(QStringLiteral("disc_albums_list"));
    disc_albums_lb_ = make_label(this, tr("&Albums"), disc_albums_list_);
    disc_albums_lb_->setObjectName(QStringLiteral("disc_albums_lb"));
    free_txt_ = new QPlainTextEdit(this);
    free_txt_->setObjectName(QStringLiteral("free_txt"));
    free_txt_->setReadOnly(true);
    free_txt_->setTabChangesFocus(true);
    free_txt_->setMaximumHeight(free_txt_->fontMetrics().lineSpacing() * 2 + 12);
    notnumber_list_ = new QListWidget(this);
    notnumber_list_->setObjectName(QStringLiteral("notnumber_list"));
    notnumber_list_->setMaximumHeight(notnumber_list_->fontMetrics().lineSpacing() * 5 + 8);
    notnumber_lb_ = make_label(this, tr("&Not a disc number"), notnumber_list_);
    notnumber_lb_->setObjectName(QStringLiteral("notnumber_lb"));
    copyinsert_bttn_ = make_button(this, "copyinsert_bttn", tr("&Copy Insert"));
    saveinsert_bttn_ = make_button(this, "saveinsert_bttn", tr("Sa&ve Insert..."));
    close_bttn_ = make_button(this, "close_bttn", tr("Cl&ose"));
    progressbar_ = new ProgressBox(this);
    progressbar_->setFixedHeight(10);
    progressbar_->hide();
    progress_timer_ = new QTimer(this);

    auto* grid = new QGridLayout(this);
    auto* medium_row = new QHBoxLayout;
    medium_row->addWidget(make_label(this, tr("&Medium:"), medium_combo_));
    medium_row->addWidget(medium_combo_);
    medium_row->addStretch(1);
    medium_row->addWidget(progressbar_, 1);
    grid->addLayout(medium_row, 0, 0, 1, 2);
    grid->addWidget(make_label(this, tr("&Discs"), discs_list_), 1, 0);
    grid->addWidget(disc_albums_lb_, 1, 1);
    grid->addWidget(discs_list_, 2, 0);
    grid->addWidget(disc_albums_list_, 2, 1);
    auto* free_row = new QHBoxLayout;
    free_row->addWidget(make_label(this, tr("&Free numbers:"), free_txt_), 0, Qt::AlignTop);
    free_row->addWidget(free_txt_, 1);
    grid->addLayout(free_row, 3, 0, 1, 2);
    grid->addWidget(notnumber_lb_, 4, 0, 1, 2);
    grid->addWidget(notnumber_list_, 5, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copyinsert_bttn_);
    buttons->addWidget(saveinsert_bttn_);
    buttons->addStretch(1);
    buttons->addWidget(close_bttn_);
    grid->addLayout(buttons, 6, 0, 1, 2);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    grid->setRowStretch(2, 1);
    resize(820, 560);
}

void ShelfWindow::fill_lists() {
    const QString free = free_numbers_text(free_numbers(contents_->shelf.discs));
    free_txt_->setPlainText(free.isEmpty() ? tr("none") : free);
    const auto& apart = contents_->shelf.not_disc_numbers;
    for (std::size_t p : apart)
        add_album_item(notnumber_list_, not_disc_number_line(contents_->albums[p]), p);
    notnumber_lb_->setText(tr("&Not a disc number: %1").arg(album_count_text(apart.size())));
    notnumber_lb_->setVisible(!apart.empty());
    notnumber_list_->setVisible(!apart.empty());
}

void ShelfWindow::choose_medium(int index) {
    outcome_.medium = Medium(medium_combo_->itemData(index).toInt());
    model_->set_medium(outcome_.medium);
}

void ShelfWindow::show_disc(int row) {
    disc_albums_list_->clear();
    std::vector<std::size_t> positions;
    QString caption = tr("&Albums");
    if (const ShelfDisc* disc = model_->disc_at(row)) {
        positions = disc->albums;
        caption = tr("&Albums on %1").arg(disc_title(*disc));
    } else if (model_->is_audio_cd_row(row)) {
        positions = contents_->shelf.audio_cds;
        caption = tr("&Albums on audio CDs");
    }
    for (std::size_t p : in_album_order(contents_->albums, std::move(positions)))
        add_album_item(disc_albums_list_, album_line(contents_->albums[p]), p);
    disc_albums_lb_->setText(caption);
    const bool disc = chosen_disc() != nullptr;
    copyinsert_bttn_->setEnabled(disc);
    saveinsert_bttn_->setEnabled(disc);
}

void ShelfWindow::select_disc(const QString& number) {
    disc_wanted_ = number;
    const auto& discs = contents_->shelf.discs;
    const auto at = std::find_if(discs.begin(), discs.end(),
                                 [&](const ShelfDisc& d) { return d.number == number; });
    if (at != discs.end())
        discs_list_->setCurrentIndex(model_->index(int(at - discs.begin())));
}

const ShelfDisc* ShelfWindow::chosen_disc() const {
    return model_->disc_at(discs_list_->currentIndex().row());
}

void ShelfWindow::choose_album(const QListWidgetItem* item) {
    if (!item)
        return;
    const ShelfAlbum& album =
        contents_->albums[std::size_t(item->data(album_position_role).toULongLong())];
    outcome_.chosen = ShelfChoice{album.artist, album.album};
    accept();
}

bool ShelfWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        (watched == disc_albums_list_ || watched == notnumber_list_)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            choose_album(static_cast<QListWidget*>(watched)->currentItem());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ShelfWindow::copy_insert() {
    if (const ShelfDisc* disc = chosen_disc())
        QGuiApplication::clipboard()->setText(disc_insert(*disc, contents_->albums));
}

void ShelfWindow::save_insert() {
    const ShelfDisc* disc = chosen_disc();
    if (!disc)
        return;
    const QString chosen = prompts().save_file(this, tr("Save Insert"),
                                               QDir::home().filePath(disc_title(*disc) + ".txt"),
                                               tr("Text files (*.txt);;All files (*)"));
    if (chosen.isEmpty())
        return;
    const QString path = insert_file_name(chosen);
    if (!may_replace(this, chosen, path))
        return;
    QString why;
    if (!write_whole_file(path, disc_insert(*disc, contents_->albums).toUtf8(), &why))
        prompts().notice(this, program_title(),
                         tr("The insert of %1 could not be saved to the file \"%2\".\n\n%3")
                             .arg(disc_title(*disc), QDir::toNativeSeparators(path), why),
                         Prompts::Icon::Exclamation);
}

} // namespace vinylix
