// The import tab's run and review: detecting albums, showing one, applying edits, storing.
#include "album_detection.h"
#include "folder_read_progress.h"
#include "import_tab.h"
#include "set_directory.h"

#include "kit/program_title.h"
#include "kit/progress_box.h"
#include "kit/prompts.h"
#include "kit/wait_cursor.h"
#include "store/change_recording.h"
#include "store/line_end.h"
#include "store/shared_state.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolBar>

namespace vinylix {

namespace {

// A song list as the box shows it, one line a song, and back as stored, with CR LF.
QString shown(QString songs) {
    return songs.replace(crlf, QStringLiteral("\n"));
}
QString stored(QString text) {
    return text.replace(u'\n', crlf);
}

} // namespace

// Asks for the root folder; false when the choice was cancelled.
bool ImportTab::choose_root() {
    SetDirectory chooser(mounted_volumes(), chooser_start(path_, program_folder_), this);
    prompts().run_modal(chooser);
    if (!chooser.chosen())
        return false;
    path_ = chooser.folder();
    return true;
}

void ImportTab::run_import() {
    const auto split = FolderNameFormat::split(foldername_txt_->text());
    if (!split.format) {
        prompts().notice(this, program_title(), split.reason);
        foldername_txt_->setFocus();
        return;
    }
    if (!choose_root())
        return;
    const WaitCursor busy;
    retrieved_albums_->clear();
    data_ = ImportData();
    const auto found = [this](const ImportedAlbum& album) {
        retrieved_albums_->addItem(album.line());
    };
    ImportRun run;
    {
        FolderReadProgress shown_progress(progress_);
        run = import_albums(path_, *split.format, convertlower_check_->isChecked(),
                            shown_progress.callback(), found, code_page_);
    }
    data_ = std::move(run.albums);
    list_albums(); // in the run's final order
    if (!run.root_read)
        prompts().notice(this, program_title(), unread_root_text(path_));
    if (data_.empty()) {
        clear_review();
    } else {
        fill_list_enabled(true);
        retrieved_albums_->setCurrentRow(0);
        display_information(); // also when row 0 was current already
    }
    import_tab_->setCurrentIndex(1);
}

// Lists the albums under review, line k being album k; no line selected.
void ImportTab::list_albums() {
    const QSignalBlocker quiet(retrieved_albums_);
    retrieved_albums_->clear();
    for (const ImportedAlbum& album : data_.albums())
        retrieved_albums_->addItem(album.line());
}

// With no album left to review, nothing of the last one stays shown and nothing can be applied.
void ImportTab::clear_review() {
    import_songlist_->clear();
    year_txt_->clear();
    cdnr_txt_->clear();
    cover_combo_->setCurrentIndex(-1);
    show_panels({}, {0, 1, 2, 3, 4, 5});
    fill_list_enabled(false);
}

std::vector<int> ImportTab::selected_rows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : retrieved_albums_->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void ImportTab::show_panels(const ReviewPanels& texts, std::initializer_list<int> which) {
    for (const int panel : which)
        emit panel_text(panel + 1, texts[std::size_t(panel)]);
}

void ImportTab::display_information() {
    const int k = retrieved_albums_->currentRow();
    if (!data_.contains(k))
        return;
    const ReviewDisplay view = vinylix::display_information(data_[k], current_source_);
    // The source shown is the one the toolbar shows pressed, and the one Apply takes.
    current_source_ = view.source;
    source_actions_[std::size_t(view.source)]->setChecked(true);
    import_songlist_->setPlainText(shown(view.songs));
    show_panels(view.panels, {0, 1, 2, 3, 4, 5});
    cover_combo_->setCurrentIndex(view.cover_index);
    cdnr_txt_->setText(view.cd);
    year_txt_->setText(view.year);
}

void ImportTab::switch_song_mode(SongSource source) {
    current_source_ = source;
    const int k = retrieved_albums_->currentRow();
    if (selected_rows().empty() || !data_.contains(k))
        return;
    import_songlist_->setPlainText(shown(vinylix::switch_song_mode(data_[k], source)));
}

void ImportTab::store_information() {
    const std::vector<int> rows = selected_rows();
    if (data_.empty() || rows.empty())
        return;
    const ReviewEdits edits{cdnr_txt_->text(), cover_combo_->currentText(), year_txt_->text(),
                            stored(import_songlist_->toPlainText())};
    vinylix::store_information(data_, rows, retrieved_albums_->currentRow(), edits,
                               current_source_);
    show_panels(review_panels(data_[rows.back()]), {cd_panel, cover_panel, year_panel});
}

void ImportTab::add_to_database() {
    if (!state_.catalogue_open()) {
        prompts().notice(this, program_title(),
                         tr("The catalogue is not open, so no album can be added.\n\n%1")
                             .arg(state_.catalogue_error));
        return;
    }
    ChangeRecording recording(state_.history, state_.vinylixdb);
    const StoringResult result =
        vinylix::add_to_database(data_, selected_rows(), *state_.vinylixdb);
    if (result.stored > 0)
        recording.keep(ChangeKind::Added);
    show_storing(result);
}

void ImportTab::show_storing(const StoringResult& result) {
    if (!result.error.isEmpty()) {
        prompts().notice(this, program_title(),
                         tr("The albums could not be added.\n%1").arg(result.error),
                         Prompts::Icon::Exclamation);
        return;
    }
    for (const QString& line : result.duplicates)
        prompts().notice(this, program_title(),
                         tr("The album %1 already exists.\nPlease choose a different name for the "
                            "album or edit the existing one.")
                             .arg(line));
    if (result.stored > 0) {
        list_albums();
        const QSignalBlocker quiet(retrieved_albums_);
        for (const int k : result.still_selected)
            retrieved_albums_->item(k)->setSelected(true);
        emit albums_stored();
    }
    if (data_.empty()) {
        clear_review();
    } else if (result.stored > 0) {
        const int focus = result.still_selected.empty() ? 0 : result.still_selected.front();
        retrieved_albums_->setCurrentRow(focus, QItemSelectionModel::NoUpdate);
        display_information();
    }
    if (result.missing_cd >= 0) {
        prompts().notice(this, program_title(),
                         tr("You have to define the cd number.\nIt is required to catalog the "
                            "album."));
        cdnr_txt_->setFocus();
    }
}

} // namespace vinylix
