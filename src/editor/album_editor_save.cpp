// Saving the album open in the editor (jobs 1 to 3) and renaming the artist (job 4).
#include "album_editor.h"

#include "artist_rename.h"
#include "kit/program_title.h"
#include "kit/prompts.h"
#include "store/album_lookup.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

namespace vinylix {

void AlbumEditor::save() {
    if (job_ == EditorJob::RenameArtist || !request_.albums)
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
    result_ = {true, form.artist, form.album};
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
    Recordset& set = *request_.albums;
    const bool duplicate =
        job_ == EditorJob::EditAlbum
            ? title_taken(albums_of_artist(set, original_artist_), original_album_, form.album)
            : artist_has_album(set, form.artist, form.album);
    if (!duplicate)
        return false;
    const QString advice =
        job_ == EditorJob::EditAlbum
            ? tr("Please choose a different name for the album or delete the existing one.")
            : tr("Please choose a different name for the album or edit the existing one.");
    prompts().notice(this, program_name(),
                     tr("An album with the same name already exists in the current artist.") +
                         u'\n' + advice);
    album_name_txt_->setFocus();
    album_name_txt_->setSelection(0, int(album_name_txt_->text().size()));
    return true;
}

bool AlbumEditor::write(const AlbumForm& form) {
    const AlbumRecord record = loaded_ ? album_record(form, *loaded_) : album_record(form);
    QString error;
    const bool written =
        job_ == EditorJob::EditAlbum
            ? write_album_over(*request_.albums, original_artist_, original_album_, record, &error)
            : write_new_album(*request_.albums, record, &error);
    if (!written)
        prompts().notice(this, program_title(), tr("The album could not be saved.\n%1").arg(error),
                         Prompts::Icon::Critical);
    return written;
}

void AlbumEditor::rename_artist() {
    const QString new_name = artist_txt_->text();
    if (new_name.isEmpty() || !request_.albums) {
        prompts().notice(this, program_title(), tr("Please fill in all text boxes."));
        return;
    }
    const RenameOutcome outcome =
        rename_albums(*request_.albums, request_.artist, new_name, request_.selected_albums);
    for (const QString& album : outcome.clashes)
        prompts().notice(this, program_title(),
                         tr("The artist [ %1 ] already has one album labeled [ %2 ].\n"
                            "Unable to proceed with transfer.")
                             .arg(new_name, album));
    if (!outcome.error.isEmpty())
        prompts().notice(this, program_title(),
                         tr("The artist name could not be changed.\n%1").arg(outcome.error),
                         Prompts::Icon::Critical);
    result_ = {true, new_name, request_.current_album};
    accept();
}

} // namespace vinylix
