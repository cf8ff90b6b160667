#include "set_directory.h"

#include "kit/program_title.h"
#include "kit/prompts.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTreeView>
#include <QVBoxLayout>

namespace vinylix {

namespace {

QPushButton* button(const QString& text, const char* name, QWidget* parent) {
    auto* made = new QPushButton(text, parent);
    made->setObjectName(QString::fromLatin1(name));
    return made;
}

QLabel* label_for(const QString& caption, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setBuddy(buddy);
    return label;
}

QGroupBox* instructions(QWidget* parent) {
    auto* frame = new QGroupBox(QObject::tr("Instructions"), parent);
    auto* text = new QLabel(
        QObject::tr("The albums should be located immediately inside the chosen folder. No lower "
                    "tree levels are checked and the folder name format must match the one "
                    "previously specified."),
        frame);
    text->setObjectName(QStringLiteral("Label1"));
    text->setWordWrap(true);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(text);
    return frame;
}

} // namespace

SetDirectory::SetDirectory(std::vector<Volume> volumes, const QString& start, QWidget* parent)
    : QDialog(parent), volumes_(std::move(volumes)), drive1_(new QComboBox(this)),
      dir1_(new QTreeView(this)), folders_(new QFileSystemModel(this)) {
    setObjectName(QStringLiteral("setdirectory"));
    setWindowTitle(tr("Set  Directory"));
    drive1_->setObjectName(QStringLiteral("Drive1"));
    for (const Volume& volume : volumes_)
        drive1_->addItem(volume.name, volume.root);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    folders_->setReadOnly(true);
    // Connected before the tree takes the model, so that it runs before the tree moves its
    // current line off folders about to be dropped.
    connect(folders_, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this] { folders_dropped_ = true; });
    dir1_->setObjectName(QStringLiteral("Dir1"));
    dir1_->setModel(folders_);
    dir1_->setHeaderHidden(true);
    for (int column = 1; column < folders_->columnCount(); ++column)
        dir1_->hideColumn(column);

    auto* ok_bttn = button(tr("&OK"), "ok_bttn", this);
    ok_bttn->setDefault(true);
    auto* cancel_bttn = button(tr("&Cancel"), "cancel_bttn", this);
    connect(ok_bttn, &QPushButton::clicked, this, &SetDirectory::take_ok);
    connect(cancel_bttn, &QPushButton::clicked, this, [this] {
        chosen_ = false;
        reject();
    });
    connect(drive1_, &QComboBox::currentIndexChanged, this, &SetDirectory::volume_changed);
    watch_folders();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_bttn);
    buttons->addWidget(cancel_bttn);
    auto* drive_row = new QHBoxLayout;
    drive_row->addWidget(label_for(tr("&Drive:"), drive1_, this));
    drive_row->addWidget(drive1_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(drive_row);
    layout->addWidget(label_for(tr("&Folder:"), dir1_, this));
    layout->addWidget(dir1_, 1);
    layout->addWidget(instructions(this));
    layout->addLayout(buttons);
    resize(420, 460);
    set_folder(start);
}

void SetDirectory::watch_folders() {
    // The user's choice; not the neighbour the tree moves to when the chosen folder is dropped.
    connect(dir1_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (!folders_dropped_ && current.isValid())
                    chosen_folder_ = folders_->filePath(current);
            });
    connect(folders_, &QAbstractItemModel::rowsRemoved, this, [this] {
        folders_dropped_ = false;
        const QModelIndex current = dir1_->currentIndex();
        if (current.isValid() && folders_->filePath(current) != chosen_folder_)
            dir1_->selectionModel()->clear(); // nothing shown as chosen in its place
    });
    // The folders are read and sorted in the background: keep the chosen one in sight as they
    // arrive, until the user moves in the tree.
    connect(folders_, &QFileSystemModel::directoryLoaded, this, &SetDirectory::keep_in_sight);
    connect(folders_, &QAbstractItemModel::layoutChanged, this, &SetDirectory::keep_in_sight);
    for (QObject* input : {static_cast<QObject*>(dir1_), static_cast<QObject*>(dir1_->viewport()),
                           static_cast<QObject*>(dir1_->verticalScrollBar())})
        input->installEventFilter(this);
}

void SetDirectory::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    keep_in_sight(); // now that the tree has its size
}

bool SetDirectory::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
        in_sight_ = false;
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void SetDirectory::keep_in_sight() {
    if (in_sight_ && dir1_->currentIndex().isValid())
        dir1_->scrollTo(dir1_->currentIndex(), QAbstractItemView::PositionAtCenter);
}

void SetDirectory::take_ok() {
    const QString chosen = folder();
    if (!chosen.isEmpty() && !QFileInfo(chosen).isDir()) {
        prompts().notice(this, program_title(),
                         tr("The folder %1 is gone: it was deleted, renamed or unmounted since "
                            "it was chosen.\nPlease choose another folder.")
                             .arg(QDir::toNativeSeparators(chosen)));
        return;
    }
    chosen_ = !chosen.isEmpty();
    accept();
}

QString SetDirectory::folder() const {
    if (!chosen_folder_.isEmpty())
        return chosen_folder_;
    return shown_volume_ >= 0 ? volumes_[std::size_t(shown_volume_)].root : QString();
}

void SetDirectory::set_folder(const QString& path) {
    const QString folder = QDir::cleanPath(QDir(path).absolutePath());
    const int volume = volume_index(folder);
    if (volume < 0)
        return;
    {
        const QSignalBlocker quiet(drive1_);
        drive1_->setCurrentIndex(volume);
    }
    show_volume(volume);
    const QModelIndex index = folders_->index(folder);
    for (QModelIndex above = index.parent(); above.isValid(); above = above.parent())
        dir1_->expand(above);
    dir1_->setCurrentIndex(index);
    chosen_folder_ = index.isValid() ? folders_->filePath(index) : QString();
    in_sight_ = true;
    keep_in_sight();
}

// The volume whose root holds `path` most closely.
int SetDirectory::volume_index(const QString& path) const {
    int best = -1;
    qsizetype best_length = -1;
    for (std::size_t i = 0; i < volumes_.size(); ++i) {
        const QString& root = volumes_[i].root;
        const bool holds =
            path == root || root == QStringLiteral("/") || path.startsWith(root + QLatin1Char('/'));
        if (holds && root.size() > best_length) {
            best = int(i);
            best_length = root.size();
        }
    }
    return best;
}

void SetDirectory::volume_changed(int index) {
    if (index < 0 || index >= int(volumes_.size()))
        return;
    if (!volume_of(volumes_[std::size_t(index)].root).ready) {
        prompts().notice(this, program_title(),
                         tr("Please insert a disk into drive ") + drive1_->itemText(index));
        const QSignalBlocker quiet(drive1_);
        drive1_->setCurrentIndex(shown_volume_);
        return;
    }
    show_volume(index);
    dir1_->setCurrentIndex(folders_->index(volumes_[std::size_t(index)].root));
}

void SetDirectory::show_volume(int index) {
    shown_volume_ = index;
    const QString& root = volumes_[std::size_t(index)].root;
    folders_->setRootPath(root);
    dir1_->setRootIndex(folders_->index(root).parent());
}

} // namespace vinylix
