// Saving the album open in the editor (jobs 1 to 3) and renaming the artist (job 4).
#include "album_editor.h"

#include "app/mainframe.h"
#include "artist_rename.h"
#include "browse/browser.h"
#include "browse/explore_tab.h"
#include "kit/program_title.h"
#include "kit/prompts.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

namespace vinylix {

namespace {

// The titles selected in the browser's album list, top to bottom.
QStringList selected_titles(const QListWidget& list) {
    QStringList titles;
    for (int i = 0; i < list.count(); ++i)
        if (list.item(i)->isSelected())
            titles << list.item(i)->text();
    return titles;
}

} // namespace

void AlbumEditor::save() {
    if (job_ < 1 || job_ > 3 || !state_.artists)
        return;
    if (!prompts().confirm(this, program_title(),
                           tr("You are about to save the changes you have made. Continue?")))
        return;
    lists_.keep_edits(box_text());
    const AlbumForm form = gathered_form();
    if (!boxes_filled(form)) {
        prompts().notice(this, program_title(), tr("Please fill in all text boxes."));
        return;
    }
    if (refuse_duplicate(form) || !write(form))
        return;
    main_.load_catalogue();
    main_.explore_tab()->select_artist_and_album(form.artist, form.album);
    accept();
}

AlbumForm AlbumEditor::gathered_form() const {
    AlbumForm form;
    form.artist = artist_txt_->text();
    form.album = album_name_txt_->text();
    form.songs = lists_.stored_text(box_text());
    form.cover = cover_->currentIndex() < 0 ? QString() : cover_->currentText();
    form.cds = nrofcds_txt_->text();
    form.bitrate = bitrate_->text();
    form.location = album_loc_->currentText();
    form.year = year_txt_->text();
    form.size_whole = size_1_->text();
    form.size_fraction = size_2_->text();
    return form;
}

bool AlbumEditor::refuse_duplicate(const AlbumForm& form) {
    Recordset& set = *state_.artists;
    const bool duplicate = job_ == 3 ? title_taken(albums_of_artist(set, original_artist_),
                                                   original_album_, form.album)
                                     : artist_has_album(set, form.artist, form.album);
    if (!duplicate)
        return false;
    const QString advice =
        job_ == 3 ? tr("Please choose a different name for the album or delete the existing one.")
                  : tr("Please choose a different name for the album or edit the existing one.");
    prompts().notice(this, program_name(),
                     tr("An album with the same name already exists in the current artist.") +
                         u'\n' + advice);
    album_name_txt_->setFocus();
    album_name_txt_->setSelection(0, int(album_name_txt_->text().size()));
    return true;
}

bool AlbumEditor::write(const AlbumForm& form) {
    const AlbumRecord record = album_record(form);
    QString error;
    const bool written = job_ == 3 ? write_album_over(*state_.artists, original_artist_,
                                                      original_album_, record, &error)
                                   : write_new_album(*state_.artists, record, &error);
    if (!written)
        prompts().notice(this, program_title(), tr("The album could not be saved.\n%1").arg(error),
                         Prompts::Icon::Critical);
    return written;
}

void AlbumEditor::rename_artist() {
    const QString new_name = artist_txt_->text();
    if (new_name.isEmpty() || !state_.artists) {
        prompts().notice(this, program_title(), tr("Please fill in all text boxes."));
        return;
    }
    ExploreTab& browser = *main_.explore_tab();
    const QListWidgetItem* current = browser.albums_list()->currentItem();
    const QString remembered = current ? current->text() : QString();
    const RenameOutcome outcome =
        rename_albums(*state_.artists, browser.artists_combo()->currentText(), new_name,
                      selected_titles(*browser.albums_list()));
    for (const QString& album : outcome.clashes)
        prompts().notice(this, program_title(),
                         tr("The artist [ %1 ] already has one album labeled [ %2 ].\n"
                            "Unable to proceed with transfer.")
                             .arg(new_name, album));
    if (!outcome.error.isEmpty())
        prompts().notice(this, program_title(),
                         tr("The artist name could not be changed.\n%1").arg(outcome.error),
                         Prompts::Icon::Critical);
    main_.load_catalogue();
    main_.explore_tab()->select_artist_and_album(new_name, remembered);
    accept();
}

} // namespace vinylix
