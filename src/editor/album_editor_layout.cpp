// The album editor's controls and their designed places, in twips (1/1440 inch).
#include "album_editor.h"

#include "kit/check_box_field.h"
#include "kit/digit_only.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

namespace vinylix {

namespace {

// The designed size of the window and of its field frame.
constexpr int window_width = 6480;
constexpr int window_height = 4470;
constexpr int frame_width = 6240;
constexpr int frame_height = 3660;
constexpr int row_height = 315;
// Widths of the artist box and of the folder box that the jobs and the CD count change.
constexpr int artist_width_alone = 3885;
constexpr int directory_width_one_cd = 3015;

template <typename Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLineEdit* digit_box(QWidget* parent, const char* name) {
    auto* box = named(new QLineEdit(parent), name);
    make_digit_only(box);
    return box;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = named(new QPushButton(caption, parent), name);
    b->setAutoDefault(false); // Enter belongs to the boxes' own rules
    return b;
}

} // namespace

void AlbumEditor::build_controls() {
    setObjectName(QStringLiteral("edit_frm"));
    setWindowTitle(tr("Albums Settings"));
    frame1_ = named(new QFrame(this), "Frame1");
    frame1_->setFrameShape(QFrame::StyledPanel);
    make_boxes();
    make_labels();
    place_controls();
}

void AlbumEditor::make_boxes() {
    artist_txt_ = named(new QLineEdit(frame1_), "artist_txt");
    nrofcds_txt_ = digit_box(frame1_, "nrofcds_txt");
    nrofcds_txt_->setMaxLength(3);
    album_name_txt_ = named(new QLineEdit(frame1_), "album_name_txt");
    directory_txt_ = named(new QLineEdit(frame1_), "directory_txt");
    file1_ = named(new QListWidget(frame1_), "File1");
    file1_->hide();
    previous_cd_ = button(frame1_, "previous_cd", QStringLiteral("&<"));
    next_cd_ = button(frame1_, "next_cd", QStringLiteral("&>"));
    cd_nr_ = named(new QLabel(frame1_), "cd_nr");
    song_list_txt_ = named(new QPlainTextEdit(frame1_), "song_list_txt");
    song_list_txt_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    song_list_txt_->setLineWrapMode(QPlainTextEdit::NoWrap);
    song_list_txt_->setTabChangesFocus(true); // Tab goes on to the boxes below, never into a song
    year_txt_ = digit_box(frame1_, "year_txt");
    cover_ = named(new QComboBox(frame1_), "cover");
    cover_->addItems({tr("No"), tr("Yes")});
    album_loc_ = named(new QComboBox(frame1_), "album_loc");
    album_loc_->setEditable(true);
    album_loc_->setInsertPolicy(QComboBox::NoInsert);
    album_loc_->setCompleter(nullptr);
    album_loc_->addItem(QStringLiteral("CDA"));
    make_digit_only(album_loc_->lineEdit());
    bitrate_ = digit_box(frame1_, "bitrate");
    bitrate_->setMaxLength(3);
    size_1_ = digit_box(frame1_, "size_1");
    size_2_ = digit_box(frame1_, "size_2");
    check1_ = named(new QCheckBox(tr("&Replace"), frame1_), "Check1");
    first_txt_ = named(new QLineEdit(frame1_), "first_txt");
    label_field_by_check_box(check1_, first_txt_); // "Replace" names the text to find
    second_txt_ = named(new QLineEdit(frame1_), "second_txt");
    upper_case_ = named(new QCheckBox(tr("&Upper Case"), frame1_), "upper_case");
    command1_ = button(frame1_, "Command1", tr("O&K"));
    ok_bttn_ = button(this, "ok_bttn", tr("&OK"));
    cancel_bttn_ = button(this, "cancel_bttn", tr("&Cancel"));
    for (QComboBox* combo : {cover_, album_loc_})
        combo->setCurrentIndex(-1);
}

// Each label is the access key of the box it names: every box and button of the window has a
// key of its own (the song list the CD caption's, "CD # 1"; the text to find "Replace"'s).
void AlbumEditor::make_labels() {
    struct Caption {
        const char* name;
        QString text;
        QWidget* buddy;
        int x, y, width;
    };
    const Caption captions[] = {
        {"artist_lb", tr("&Artist:"), artist_txt_, 120, 240, 900},
        {"cds_lb", tr("CD&s:"), nrofcds_txt_, 4320, 240, 600},
        {"album_lb", tr("Al&bum:"), album_name_txt_, 120, 630, 900},
        {"directory_lb", tr("&Get names from dir:"), directory_txt_, 120, 1020, 1980},
        {"year_lb", tr("&Year:"), year_txt_, 3450, 1410, 1620},
        {"cover_lb", tr("Co&ver (available):"), cover_, 3450, 1785, 1620},
        {"album_loc_lb", tr("Album &Location:"), album_loc_, 3450, 2160, 1620},
        {"bitrate_lb", tr("Sample b&itrate:"), bitrate_, 3450, 2535, 1620},
        {"size_lb", tr("Si&ze (MB):"), size_1_, 3450, 2910, 1620},
        {"comma_lb", QStringLiteral("&,"), size_2_, 5730, 2910, 90},
        {"with_lb", tr("&with"), second_txt_, 2445, 3270, 420},
    };
    for (const Caption& c : captions) {
        auto* label = named(new QLabel(c.text, frame1_), c.name);
        label->setBuddy(c.buddy);
        place(label, c.x, c.y, c.width, row_height);
        if (label->objectName() == QLatin1String("cds_lb"))
            cds_lb_ = label;
    }
    cds_lb_->hide();
    nrofcds_txt_->hide();
    cd_nr_->setBuddy(song_list_txt_);
    show_cd_label();
}

// "CD # 2", its "D" the access key of the song list.
void AlbumEditor::show_cd_label() {
    cd_nr_->setText(lists_.label().replace(QStringLiteral("CD"), tr("C&D")));
}

void AlbumEditor::place_controls() {
    place(frame1_, 120, 60, frame_width, frame_height);
    place(artist_txt_, 1080, 240, artist_width_alone, row_height);
    place(nrofcds_txt_, 4920, 240, 600, row_height);
    place(album_name_txt_, 1080, 630, 5040, row_height);
    place(directory_txt_, 2160, 1020, directory_width_one_cd, row_height);
    place(previous_cd_, 4635, 1020, 300, row_height);
    place(next_cd_, 4965, 1020, 300, row_height);
    place(cd_nr_, 120, 1410, 1200, row_height);
    place(song_list_txt_, 120, 1725, 3240, 1440);
    place(year_txt_, 5100, 1410, 1020, row_height);
    place(cover_, 5100, 1785, 1020, row_height);
    place(album_loc_, 5100, 2160, 1020, row_height);
    place(bitrate_, 5100, 2535, 1020, row_height);
    place(size_1_, 5100, 2910, 600, row_height);
    place(size_2_, 5820, 2910, 300, row_height);
    place(check1_, 120, 3270, 1080, row_height);
    place(first_txt_, 1230, 3270, 1155, row_height);
    place(second_txt_, 2895, 3270, 1155, row_height);
    place(upper_case_, 4125, 3270, 1545, row_height);
    place(command1_, 5715, 3270, 405, row_height);
    fit_upper_case();
    place(ok_bttn_, 3870, 3840, 1215, 375);
    place(cancel_bttn_, 5145, 3840, 1215, 375);
    previous_cd_->hide();
    next_cd_->hide();
    setFixedSize(px_x(window_width), px_y(window_height));
}

// "Upper Case" is shown whole whatever the font: when its caption needs more room than the
// layout gives, the box grows to the left over the gap before it.
void AlbumEditor::fit_upper_case() {
    const int needed = upper_case_->sizeHint().width();
    if (upper_case_->width() >= needed)
        return;
    const int right = upper_case_->geometry().right();
    const int left = std::max(second_txt_->geometry().right() + 4, right + 1 - needed);
    upper_case_->setGeometry(left, upper_case_->y(), right + 1 - left, upper_case_->height());
}

int AlbumEditor::px_x(int twips) const {
    return twips * logicalDpiX() / 1440;
}

int AlbumEditor::px_y(int twips) const {
    return twips * logicalDpiY() / 1440;
}

void AlbumEditor::place(QWidget* widget, int x, int y, int width, int height) {
    widget->setGeometry(px_x(x), px_y(y), px_x(width), px_y(height));
}

void AlbumEditor::set_width(QWidget* widget, int twips) {
    widget->resize(px_x(twips), widget->height());
}

void AlbumEditor::set_frame_height(int twips) {
    frame1_->resize(frame1_->width(), px_y(twips));
}

void AlbumEditor::set_window_height(int twips) {
    setFixedSize(width(), px_y(twips));
}

void AlbumEditor::apply_job_layout() {
    switch (job_) {
    case EditorJob::NewAlbumForArtist:
        artist_txt_->setReadOnly(true);
        put_list(QString());
        lists_.clear_changed();
        break;
    case EditorJob::EditAlbum:
        cds_lb_->show();
        nrofcds_txt_->show();
        set_width(artist_txt_, 3165);
        artist_txt_->setReadOnly(true);
        set_frame_height(frame_height);
        set_window_height(window_height);
        break;
    case EditorJob::RenameArtist:
        // Only the artist row is in sight; the rest is hidden, so that neither Tab nor an
        // access key reaches a box or button out of sight.
        for (QWidget* control : findChildren<QWidget*>()) {
            if (control->parentWidget() == frame1_ || control == ok_bttn_ ||
                control == cancel_bttn_)
                control->setVisible(control == artist_txt_ ||
                                    control->objectName() == QLatin1String("artist_lb"));
        }
        set_width(artist_txt_, artist_width_alone);
        artist_txt_->setReadOnly(false);
        artist_txt_->setText(request_.artist);
        set_frame_height(660);
        set_window_height(1020);
        break;
    default:
        break;
    }
}

} // namespace vinylix
