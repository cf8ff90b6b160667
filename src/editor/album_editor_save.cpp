// Saving the album open in the editor (jobs 1 to 3) and renaming the artist (job 4).
#include "album_editor.h"

#include "artist_rename.h"
#include "kit/program_title.h"
#include "kit/prompts.h"

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
    if (!write(form))
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

void AlbumEditor::refuse_duplicate() {
    const QString advice =
        job_ == EditorJob::EditAlbum
            ? tr("Please choose a different name for the album or delete the existing one.")
            : tr("Please choose a different name for the album or edit the existing one.");
    prompts().notice(this, program_name(),
                     tr("An album with the same name already exists in the current artist.") +
                         u'\n' + advice);
    album_name_txt_->setFocus();
    album_name_txt_->setSelection(0, int(album_name_txt_->text().size()));
}

// The duplicate rule is applied inside the save's transaction, to what the file holds.
bool AlbumEditor::write(const AlbumForm& form) {
    const AlbumRecord record = loaded_ ? album_record(form, *loaded_) : album_record(form);
    std::optional<AlbumName> original;
    if (job_ == EditorJob::EditAlbum)
        original = AlbumName{original_artist_, original_album_};
    QString error;
    switch (save_album(*request_.albums, record, original, &error)) {
    case SaveOutcome::Saved:
        return true;
    case SaveOutcome::Duplicate:
        refuse_duplicate();
        return false;
    case SaveOutcome::Failed:
        break;
    }
    prompts().notice(this, program_title(), tr("The album could not be saved.\n%1").arg(error),
                     Prompts::Icon::Critical);
    return false;
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
