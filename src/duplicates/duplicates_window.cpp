#include "duplicates_window.h"

#include "album_folding.h"
#include "duplicate_groups_model.h"
#include "duplicate_texts.h"
#include "group_search.h"
#include "kit/program_title.h"
#include "kit/progress_box.h"
#include "kit/prompts.h"
#include "store/whole_file.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace vinylix {

namespace {

// How often the bar follows the search.
constexpr int progress_interval_ms = 40;

// The album column takes the room the others leave; each other column is as wide as its
// widest usual text.
void size_columns(QTreeView& tree) {
    static const char* const widest[DuplicateGroupsModel::ColumnCount] = {
        "", "Disc 0000", "0000.00 MB", "000 kbps", "00000", "00 CDs", "000 songs", "best"};
    QHeaderView& header = *tree.header();
    header.setStretchLastSection(false);
    header.setSectionResizeMode(DuplicateGroupsModel::Name, QHeaderView::Stretch);
    QFont font = tree.font();
    font.setBold(true); // the best copy's line
    const QFontMetrics bold(font);
    for (int column = DuplicateGroupsModel::Disc; column < DuplicateGroupsModel::ColumnCount;
         ++column) {
        const QString title = tree.model()->headerData(column, Qt::Horizontal).toString();
        const int text = std::max(bold.horizontalAdvance(QString::fromLatin1(widest[column])),
                                  header.fontMetrics().horizontalAdvance(title));
        header.resizeSection(column, text + 24);
    }
}

QPushButton* make_button(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button; // Enter presses the button that has the focus; on the list it chooses a copy
}

} // namespace

DuplicatesWindow::DuplicatesWindow(QString catalogue_path, QWidget* parent)
    : QDialog(parent), model_(new DuplicateGroupsModel(this)),
      search_(new GroupSearch(std::move(catalogue_path), this)), progress_timer_(new QTimer(this)) {
    build_controls();
    connect(search_, &GroupSearch::finished, this, &DuplicatesWindow::show_found);
    connect(progress_timer_, &QTimer::timeout, this, &DuplicatesWindow::show_progress);
    connect(groups_tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &DuplicatesWindow::update_buttons);
    connect(groups_tree_, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
        if (model_->copy_at(index))
            choose_current();
    });
    connect(show_bttn_, &QPushButton::clicked, this, &DuplicatesWindow::choose_current);
    connect(delete_bttn_, &QPushButton::clicked, this, &DuplicatesWindow::delete_current);
    connect(copy_bttn_, &QPushButton::clicked, this, &DuplicatesWindow::copy_list);
    connect(save_bttn_, &QPushButton::clicked, this, &DuplicatesWindow::save_list);
    connect(close_bttn_, &QPushButton::clicked, this, &QDialog::reject);
    groups_tree_->installEventFilter(this);
    refresh();
}

DuplicatesWindow::~DuplicatesWindow() = default;

void DuplicatesWindow::build_controls() {
    setObjectName(QStringLiteral("duplicates_frm"));
    setWindowTitle(tr("Duplicate Albums"));
    rule_lb_ = new QLabel(comparison_rule_text(), this);
    rule_lb_->setObjectName(QStringLiteral("rule_lb"));
    rule_lb_->setWordWrap(true);
    groups_tree_ = new QTreeView(this);
    groups_tree_->setObjectName(QStringLiteral("groups_tree"));
    groups_tree_->setModel(model_);
    groups_tree_->setUniformRowHeights(true);
    groups_tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    groups_tree_->setItemDelegate(new GroupHeadingDelegate(groups_tree_));
    groups_tree_->setRootIsDecorated(false);
    groups_tree_->setAllColumnsShowFocus(true);
    size_columns(*groups_tree_);
    auto* groups_lb = new QLabel(tr("&Groups"), this);
    groups_lb->setBuddy(groups_tree_);
    nothing_lb_ = new QLabel(this);
    nothing_lb_->setObjectName(QStringLiteral("nothing_lb"));
    nothing_lb_->setAlignment(Qt::AlignCenter);
    nothing_lb_->setTextFormat(Qt::PlainText);
    nothing_lb_->setWordWrap(true);
    progressbar_ = new ProgressBox(this);
    progressbar_->setFixedHeight(10);
    totals_lb_ = new QLabel(this);
    totals_lb_->setObjectName(QStringLiteral("totals_lb"));
    show_bttn_ = make_button(this, "show_bttn", tr("&Show in Browser"));
    delete_bttn_ = make_button(this, "delete_bttn", tr("&Delete"));
    copy_bttn_ = make_button(this, "copy_bttn", tr("&Copy"));
    save_bttn_ = make_button(this, "save_bttn", tr("Sa&ve List..."));
    close_bttn_ = make_button(this, "close_bttn", tr("Cl&ose"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rule_lb_);
    layout->addWidget(groups_lb);
    layout->addWidget(groups_tree_, 1);
    layout->addWidget(nothing_lb_, 1);
    layout->addWidget(progressbar_);
    layout->addWidget(totals_lb_);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {show_bttn_, delete_bttn_, copy_bttn_, save_bttn_})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(close_bttn_);
    layout->addLayout(buttons);
    resize(900, 600);
}

bool DuplicatesWindow::searching() const {
    return search_->running();
}

void DuplicatesWindow::refresh() {
    if (groups_tree_->currentIndex().isValid())
        kept_place_ = model_->place_of(groups_tree_->currentIndex());
    groups_tree_->setEnabled(false);
    nothing_lb_->hide();
    totals_lb_->setText(tr("Finding the duplicate albums..."));
    progressbar_->clear();
    progressbar_->show();
    update_buttons();
    search_->start();
    progress_timer_->start(progress_interval_ms);
}

void DuplicatesWindow::show_progress() {
    progressbar_->set_progress(search_->done(), search_->total());
}

void DuplicatesWindow::show_found(std::shared_ptr<const DuplicateGroups> found,
                                  const QString& error) {
    progress_timer_->stop();
    progressbar_->hide();
    model_->set_groups(found);
    const bool listed = found && !found->groups.empty();
    groups_tree_->setVisible(listed);
    groups_tree_->setEnabled(listed);
    nothing_lb_->setVisible(!listed);
    if (!found)
        nothing_lb_->setText(tr("The duplicate albums could not be found.\n\n%1").arg(error));
    else if (!listed)
        nothing_lb_->setText(nothing_found_text(*found));
    totals_lb_->setText(listed ? totals_text(*found) : QString());
    if (listed) {
        groups_tree_->setCurrentIndex(model_->index_near(kept_place_.first, kept_place_.second));
        groups_tree_->setFocus();
    }
    update_buttons();
}

const AlbumSummary* DuplicatesWindow::current_copy() const {
    return searching() ? nullptr : model_->copy_at(groups_tree_->currentIndex());
}

void DuplicatesWindow::update_buttons() {
    const bool copy = current_copy() != nullptr;
    show_bttn_->setEnabled(copy);
    delete_bttn_->setEnabled(copy);
    const bool listed = !searching() && model_->rowCount() > 0;
    copy_bttn_->setEnabled(listed);
    save_bttn_->setEnabled(listed);
}

void DuplicatesWindow::choose_current() {
    if (const AlbumSummary* copy = current_copy()) {
        chosen_ = *copy;
        accept();
    }
}

void DuplicatesWindow::delete_current() {
    if (const AlbumSummary* copy = current_copy()) {
        const AlbumSummary asked = *copy; // the list may be found anew meanwhile
        emit delete_requested(asked);
    }
}

bool DuplicatesWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == groups_tree_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            choose_current();
            return true;
        }
        if (key == Qt::Key_Delete) {
            delete_current();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void DuplicatesWindow::copy_list() {
    if (const DuplicateGroups* found = model_->groups())
        QGuiApplication::clipboard()->setText(duplicates_list_text(*found));
}

void DuplicatesWindow::save_list() {
    const DuplicateGroups* found = model_->groups();
    if (!found)
        return;
    const QString path =
        prompts().save_file(this, tr("Save List"), QDir::home().filePath("duplicates.txt"),
                            tr("Text files (*.txt);;All files (*)"));
    if (path.isEmpty())
        return;
    QString why;
    if (!write_whole_file(path, duplicates_list_text(*found).toUtf8(), &why))
        prompts().notice(this, program_title(),
                         tr("The list could not be saved to the file \"%1\".\n\n%2")
                             .arg(QDir::toNativeSeparators(path), why),
                         Prompts::Icon::Exclamation);
}

} // namespace vinylix
