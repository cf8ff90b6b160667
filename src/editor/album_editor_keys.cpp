// Key rules of the album editor's boxes, what happens on leaving a box, and the shelf location.
#include "album_editor.h"

#include "field_text.h"
#include "location_box.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace vinylix {

namespace {

bool is_digit_key(int key) {
    return key >= Qt::Key_0 && key <= Qt::Key_9;
}

// A key as the shelf-location box tells keys apart: keypad digits count as digits whatever
// the modifiers, main-key digits only without Shift, Ctrl or Alt.
LocationKey location_key_of(const QKeyEvent& key) {
    const bool modified =
        key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (is_digit_key(key.key()))
        return modified && !(key.modifiers() & Qt::KeypadModifier) ? LocationKey::DigitWithModifier
                                                                   : LocationKey::Digit;
    if (key.key() == Qt::Key_Backspace || key.key() == Qt::Key_Delete)
        return LocationKey::Erase;
    return LocationKey::Other;
}

bool is_enter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// True when `box` already holds `length` characters and typing would add one.
bool full(const QLineEdit* box, int length) {
    return box->text().size() >= length && !box->hasSelectedText();
}

} // namespace

void AlbumEditor::connect_controls() {
    for (QWidget* box :
         {static_cast<QWidget*>(artist_txt_), static_cast<QWidget*>(nrofcds_txt_),
          static_cast<QWidget*>(album_name_txt_), static_cast<QWidget*>(directory_txt_),
          static_cast<QWidget*>(year_txt_), static_cast<QWidget*>(cover_),
          static_cast<QWidget*>(album_loc_), static_cast<QWidget*>(bitrate_),
          static_cast<QWidget*>(size_1_), static_cast<QWidget*>(size_2_)})
        box->installEventFilter(this);
    connect(song_list_txt_, &QPlainTextEdit::textChanged, this, [this] { lists_.mark_changed(); });
    connect(nrofcds_txt_, &QLineEdit::textChanged, this, [this] { count_changed(); });
    connect(album_loc_, &QComboBox::currentTextChanged, this, [this] { location_changed(); });
    connect(next_cd_, &QPushButton::clicked, this, [this] { step_cd(+1); });
    connect(previous_cd_, &QPushButton::clicked, this, [this] { step_cd(-1); });
    connect(command1_, &QPushButton::clicked, this, [this] { run_text_tool(); });
    connect(ok_bttn_, &QPushButton::clicked, this, [this] { save(); });
    connect(cancel_bttn_, &QPushButton::clicked, this, &QDialog::reject);
}

bool AlbumEditor::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress)
        return key_pressed(watched, static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::KeyRelease && watched == album_loc_)
        location_key_released();
    if (event->type() == QEvent::FocusOut)
        focus_left(watched);
    return QDialog::eventFilter(watched, event);
}

bool AlbumEditor::is_numeric_box(QObject* watched) const {
    return watched == nrofcds_txt_ || watched == bitrate_ || watched == size_1_ ||
           watched == size_2_ || watched == year_txt_;
}

bool AlbumEditor::key_pressed(QObject* watched, QKeyEvent* key) {
    if (is_enter(key->key())) {
        enter_pressed(watched);
        return true;
    }
    if (watched == size_1_ && (key->key() == Qt::Key_Comma || key->key() == Qt::Key_Period)) {
        size_2_->setFocus();
        return true;
    }
    if (watched == album_loc_) { // its line edit has the combo as focus proxy
        location_key(*key);
        return false; // the box, read-only or not, handles the key itself
    }
    return is_numeric_box(watched) && digit_kept_out(watched, key);
}

bool AlbumEditor::digit_kept_out(QObject* watched, QKeyEvent* key) const {
    if (!is_digit_key(key->key()))
        return false; // the digit-only rule of the box itself keeps other characters out
    if (key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))
        return true;
    return (watched == year_txt_ && full(year_txt_, 4)) || (watched == size_2_ && full(size_2_, 1));
}

LocationBox AlbumEditor::location_box() const {
    return {album_loc_->currentText(), album_loc_->currentIndex() == 0,
            !album_loc_->lineEdit()->isReadOnly()};
}

void AlbumEditor::location_key(const QKeyEvent& key) {
    const LocationBox before = location_box();
    const LocationBox after = location_key_pressed(before, location_key_of(key));
    if (after.entry_chosen != before.entry_chosen || after.text != before.text) {
        album_loc_->setCurrentIndex(-1); // which empties the box's text
        album_loc_->setEditText(after.text);
    }
    album_loc_->lineEdit()->setReadOnly(!after.writable);
}

void AlbumEditor::location_key_released() {
    album_loc_->lineEdit()->setReadOnly(!vinylix::location_key_released(location_box()).writable);
}

void AlbumEditor::enter_pressed(QObject* watched) {
    if (watched == directory_txt_)
        names_from_folder();
    else if (watched == artist_txt_ && job_ == EditorJob::RenameArtist)
        rename_artist();
    else
        save();
}

void AlbumEditor::focus_left(QObject* watched) {
    if (watched == artist_txt_ && job_ == EditorJob::RenameArtist && isVisible()) {
        // While renaming, the artist box is the only way on: Enter renames, Esc closes.
        QTimer::singleShot(0, artist_txt_, [box = artist_txt_] { box->setFocus(); });
        return;
    }
    if (watched == album_loc_) {
        const QString shelf = shelf_location(album_loc_->currentText());
        if (shelf != album_loc_->currentText()) // "CDA", nothing, or a whole number
            album_loc_->setEditText(shelf);
        return;
    }
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box)
        return;
    if (box == nrofcds_txt_ || ((box == bitrate_ || box == size_1_) && !box->text().isEmpty()))
        box->setText(normalised_number(box->text()));
}

void AlbumEditor::location_changed() {
    // Bitrate and size do not apply to an audio CD; any other location takes them again.
    // A box holding "CDA" takes no digit until it is erased (as after a key release).
    const bool audio_cd = album_loc_->currentText() == audio_cd_label;
    for (QLineEdit* box : {bitrate_, size_1_, size_2_})
        box->setEnabled(!audio_cd);
    if (audio_cd)
        album_loc_->lineEdit()->setReadOnly(true);
}

} // namespace vinylix
