#include "disc_check_window.h"

#include "disc_check_input.h"
#include "disc_check_texts.h"
#include "disc_check_tree.h"
#include "folder_read_progress.h"
#include "set_directory.h"

#include "kit/program_title.h"
#include "kit/progress_box.h"
#include "kit/prompts.h"
#include "store/catalogue.h"
#include "store/whole_file.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vinylix {

DiscCheckWindow::DiscCheckWindow(DiscCheckSetup setup, QWidget* parent)
    : QDialog(parent), setup_(std::move(setup)) {
    build_controls();
    format_lb_->setText(tr("Album folders are named \"%1\"%2, as the import reads them.")
                            .arg(setup_.folder_name_format,
                                 setup_.arrange_cases ? tr(", their cases arranged") : QString()));
    connect(browse_bttn_, &QPushButton::clicked, this, &DiscCheckWindow::choose_folder);
    connect(check_bttn_, &QPushButton::clicked, this, &DiscCheckWindow::run_check);
    connect(source_combo_, &QComboBox::currentIndexChanged, this, &DiscCheckWindow::compare);
    connect(groups_tree_, &QTreeWidget::itemSelectionChanged, this,
            &DiscCheckWindow::update_buttons);
    connect(groups_tree_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        groups_tree_->setCurrentItem(item);
        choose_current();
    });
    for (QCheckBox* box : field_checks_)
        connect(box, &QCheckBox::toggled, this, &DiscCheckWindow::update_buttons);
    connect(update_bttn_, &QPushButton::clicked, this, &DiscCheckWindow::ask_update);
    connect(add_bttn_, &QPushButton::clicked, this, &DiscCheckWindow::ask_add);
    connect(copy_bttn_, &QPushButton::clicked, this, &DiscCheckWindow::copy_report);
    connect(save_bttn_, &QPushButton::clicked, this, &DiscCheckWindow::save_report);
    connect(close_bttn_, &QPushButton::clicked, this, &QDialog::reject);
    groups_tree_->installEventFilter(this);
    update_buttons();
    browse_bttn_->setFocus(); // the first thing to do
}

DiscCheckWindow::~DiscCheckWindow() = default;

void DiscCheckWindow::choose_folder() {
    SetDirectory chooser(mounted_volumes(), folder_.isEmpty() ? setup_.chooser_start : folder_,
                         this);
    prompts().run_modal(chooser);
    if (chooser.chosen())
        set_folder(chooser.folder());
}

void DiscCheckWindow::set_folder(const QString& folder) {
    folder_ = folder;
    folder_txt_->setText(QDir::toNativeSeparators(folder));
    if (const auto disc = proposed_disc_number(folder))
        disc_nr_txt_->setText(*disc);
    if (disc_nr_txt_->text().isEmpty())
        disc_nr_txt_->setFocus();
    else
        check_bttn_->setFocus();
}

void DiscCheckWindow::run_check() {
    if (folder_.isEmpty()) {
        prompts().notice(this, program_title(), tr("Please choose the folder to check."));
        browse_bttn_->setFocus();
        return;
    }
    const DiscEntry entry = entered_disc_number(disc_nr_txt_->text());
    if (!entry.disc) {
        prompts().notice(this, program_title(), entry.refusal);
        disc_nr_txt_->setFocus();
        return;
    }
    if (!read_folder(*entry.disc) || !read_catalogue())
        return;
    compare();
    groups_tree_->setFocus();
}

// Reads the folder as the import reads it; false, with the reason shown, when nothing can be
// compared.
bool DiscCheckWindow::read_folder(const QString& disc) {
    const auto split = FolderNameFormat::split(setup_.folder_name_format);
    if (!split.format) {
        prompts().notice(this, program_title(), split.reason);
        return false;
    }
    show_nothing(tr("Reading the folder..."));
    show_reading(true);
    ImportRun run;
    bool stopped = false;
    {
        FolderReadProgress progress(progressbar_, stop_bttn_);
        run = import_albums(folder_, *split.format, setup_.arrange_cases, progress.callback(), {},
                            setup_.code_page);
        stopped = progress.stopped();
    }
    show_reading(false);
    if (!run.root_read) {
        show_nothing(unread_root_text(folder_));
        prompts().notice(this, program_title(), unread_root_text(folder_));
        return false;
    }
    if (stopped) {
        show_nothing(tr("The check was stopped before the whole folder was read: nothing was "
                        "compared."));
        return false;
    }
    run_ = std::move(run);
    checked_folder_ = folder_;
    checked_disc_ = disc;
    return true;
}

// Reads the catalogue's side of the last folder read; false, with the reason shown, when it
// cannot be read.
bool DiscCheckWindow::read_catalogue() {
    QString error;
    if (!setup_.catalogue)
        error = tr("The catalogue is not open.");
    else if (read_disc_catalogue(*setup_.catalogue, checked_disc_, run_.albums, stored_, &error))
        return true;
    show_nothing(tr("The catalogue could not be read."));
    prompts().notice(this, program_title(), tr("The catalogue could not be read.\n\n%1").arg(error),
                     Prompts::Icon::Exclamation);
    return false;
}

void DiscCheckWindow::compare() {
    if (checked_folder_.isEmpty() || reading_)
        return;
    check_ = check_disc(checked_disc_, checked_folder_, run_,
                        SongSource(source_combo_->currentIndex()), stored_);
    summary_lb_->setText(summary_lines(*check_).join(u'\n'));
    groups_tree_->show_check(&*check_);
    update_buttons();
}

void DiscCheckWindow::recheck() {
    if (check_ && read_catalogue())
        compare();
}

void DiscCheckWindow::show_reading(bool reading) {
    reading_ = reading;
    for (QWidget* control : std::initializer_list<QWidget*>{
             browse_bttn_, disc_nr_txt_, source_combo_, check_bttn_, close_bttn_})
        control->setEnabled(!reading);
    stop_bttn_->setEnabled(reading);
    if (reading)
        stop_bttn_->setFocus();
    update_buttons();
}

void DiscCheckWindow::show_nothing(const QString& why) {
    check_.reset();
    checked_folder_.clear();
    groups_tree_->show_check(nullptr);
    summary_lb_->setText(why);
    update_buttons();
}

std::vector<Field> DiscCheckWindow::ticked_fields() const {
    std::vector<Field> fields;
    for (std::size_t f = 0; f < checked_fields.size(); ++f)
        if (field_checks_[f]->isChecked())
            fields.push_back(checked_fields[f]);
    return fields;
}

void DiscCheckWindow::update_buttons() {
    const bool shown = check_ && !reading_;
    update_bttn_->setEnabled(shown && !ticked_fields().empty() &&
                             !groups_tree_->selected_albums(CheckGroup::Different).empty());
    add_bttn_->setEnabled(shown && !groups_tree_->selected_albums(CheckGroup::OnlyOnDisc).empty());
    copy_bttn_->setEnabled(shown);
    save_bttn_->setEnabled(shown);
    groups_tree_->setEnabled(!reading_);
}

void DiscCheckWindow::ask_update() {
    if (check_)
        emit update_requested(plan_update(
            *check_, groups_tree_->selected_albums(CheckGroup::Different), ticked_fields()));
}

void DiscCheckWindow::ask_add() {
    if (check_)
        emit add_requested(albums_to_add(*check_,
                                         groups_tree_->selected_albums(CheckGroup::OnlyOnDisc),
                                         run_.albums, SongSource(source_combo_->currentIndex())));
}

void DiscCheckWindow::choose_current() {
    const CheckedAlbum* album = groups_tree_->current_album();
    if (album && album->stored) {
        chosen_ = album->stored;
        accept();
    }
}

bool DiscCheckWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == groups_tree_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            choose_current();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void DiscCheckWindow::copy_report() {
    if (check_)
        QGuiApplication::clipboard()->setText(check_report(*check_));
}

void DiscCheckWindow::save_report() {
    if (!check_)
        return;
    const QString path =
        prompts().save_file(this, tr("Save Report"),
                            QDir::home().filePath(QStringLiteral("disc %1.txt").arg(check_->disc)),
                            tr("Text files (*.txt);;All files (*)"));
    if (path.isEmpty())
        return;
    QString why;
    if (!write_whole_file(path, check_report(*check_).toUtf8(), &why))
        prompts().notice(this, program_title(),
                         tr("The report could not be saved to the file \"%1\".\n\n%2")
                             .arg(QDir::toNativeSeparators(path), why),
                         Prompts::Icon::Exclamation);
}

} // namespace vinylix
