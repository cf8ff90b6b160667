// Filling the album editor for its job, and moving song lists between the box and the CDs.
#include "album_editor.h"

#include "field_text.h"
#include "kit/program_title.h"
#include "kit/prompts.h"
#include "store/numeric_value.h"
#include "store/song_list_text.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace vinylix {

namespace {

constexpr int directory_width_one_cd = 3015;
constexpr int directory_width_with_buttons = 2415;

} // namespace

AlbumEditor::AlbumEditor(EditorRequest request, QWidget* parent)
    : QDialog(parent), request_(std::move(request)), job_(request_.job) {
    build_controls();
    connect_controls();
}

AlbumEditor::~AlbumEditor() = default;

void AlbumEditor::open_for_job() {
    load_step();
    enable_cds();
    apply_job_layout();
    if (loaded_) {
        // What the boxes show now is the album as loaded: a save keeps what still shows it.
        lists_.loading_done();
        loaded_->shown = gathered_form();
    }
}

void AlbumEditor::load_step() {
    if (job_ == EditorJob::NewAlbum || job_ == EditorJob::NewAlbumForArtist)
        set_count_text(QStringLiteral("1"));
    if (job_ == EditorJob::NewAlbum)
        put_list(QString());
}

void AlbumEditor::enable_cds() {
    lists_.clear_changed();
    Recordset* set = request_.albums;
    if (job_ == EditorJob::NewAlbumForArtist && set)
        artist_txt_->setText(set->value(Field::Artist));
    if (job_ == EditorJob::EditAlbum && set)
        load_album();
    lists_.clear_changed();
}

void AlbumEditor::load_album() {
    const AlbumRecord record = request_.albums->record();
    loaded_ = LoadedAlbum{record, {}};
    original_artist_ = record[Field::Artist];
    original_album_ = record[Field::Album];
    lists_.load(record[Field::Songs], record[Field::Cds]);
    if (const auto first = lists_.shown_list())
        put_list(*first);
    lists_.clear_changed(); // the window put the list there, not the user
    show_cd_controls();
    show_fields(boxes_of(record));
    set_count_text(record[Field::Cds]);
}

void AlbumEditor::show_fields(const AlbumForm& boxes) {
    artist_txt_->setText(boxes.artist);
    year_txt_->setText(boxes.year);
    album_name_txt_->setText(boxes.album);
    cover_->setCurrentIndex(cover_->findText(boxes.cover));
    bitrate_->setText(boxes.bitrate);
    album_loc_->setEditText(boxes.location);
    size_1_->setText(boxes.size_whole);
    size_2_->setText(boxes.size_fraction);
    location_changed();
}

void AlbumEditor::set_count_text(const QString& text) {
    if (nrofcds_txt_->text() == text)
        count_changed(); // the rule runs on every setting, also of the same text
    else
        nrofcds_txt_->setText(text);
}

void AlbumEditor::count_changed() {
    const auto shown = lists_.set_count(editor_cd_count(nrofcds_txt_->text()), box_text());
    if (shown.text)
        put_list(*shown.text);
    show_cd_controls();
    lists_.clear_changed();
    if (shown.reset_count_text)
        nrofcds_txt_->setText(QStringLiteral("1"));
}

void AlbumEditor::show_cd_controls() {
    const bool multi = lists_.multi();
    set_width(directory_txt_, multi ? directory_width_with_buttons : directory_width_one_cd);
    previous_cd_->setVisible(multi);
    next_cd_->setVisible(multi);
    show_cd_label();
}

void AlbumEditor::step_cd(int direction) {
    if (!lists_.can_step(direction))
        return;
    const bool keep =
        lists_.changed() &&
        prompts().confirm(this, program_title(),
                          tr("Current cd's song list has been changed. Do you wish to store "
                             "changes in memory?\nAll changes will be lost if you don't save."));
    if (const auto text = lists_.step(direction, keep, box_text()))
        put_list(*text);
    show_cd_label();
    lists_.clear_changed();
}

void AlbumEditor::put_list(const QString& text) {
    QString shown = text;
    shown.replace(crlf, QStringLiteral("\n"));
    song_list_txt_->setPlainText(shown);
}

QString AlbumEditor::box_text() const {
    return song_list_txt_->toPlainText().replace(u'\n', crlf);
}

} // namespace vinylix
