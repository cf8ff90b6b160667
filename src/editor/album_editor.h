#pragma once

#include "album_save.h"
#include "cd_song_lists.h"
#include "editor_job.h"
#include "location_box.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QComboBox;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace vinylix {

// The album editor `edit_frm`: enters a new album, a new album of the artist being browsed,
// edits the album the main recordset stands on, or gives the albums selected in the browser a
// new artist name, as the request says. Made for one opening: `open_for_job` fills it, then it
// is shown modally; `result` then says what it wrote, and the opener shows that album.
class AlbumEditor : public QDialog {
    Q_OBJECT
public:
    explicit AlbumEditor(EditorRequest request, QWidget* parent = nullptr);
    ~AlbumEditor() override;

    const EditorResult& result() const { return result_; }

    // The load step and `enable_cds` for the job, then the job's layout changes.
    void open_for_job();
    // Fills the boxes for the job from the current record of the main recordset.
    void enable_cds();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Layout (album_editor_layout.cpp).
    void build_controls();
    void make_boxes();
    void make_labels();
    void show_cd_label();
    void place_controls();
    void place(QWidget* widget, int x, int y, int width, int height);
    void fit_upper_case();
    void set_width(QWidget* widget, int twips);
    void set_frame_height(int twips);
    void set_window_height(int twips);
    void apply_job_layout();
    void connect_controls();
    int px_x(int twips) const;
    int px_y(int twips) const;

    // Filling the window and the per-CD lists (album_editor_load.cpp).
    void load_step();
    void load_album();
    void show_fields(const AlbumForm& boxes);
    void set_count_text(const QString& text);
    void count_changed();
    void step_cd(int direction);
    void show_cd_controls();
    void put_list(const QString& text);
    QString box_text() const;

    // Keys, leaving boxes and the shelf location (album_editor_keys.cpp).
    bool key_pressed(QObject* watched, QKeyEvent* key);
    bool digit_kept_out(QObject* watched, QKeyEvent* key) const;
    LocationBox location_box() const;
    void location_key(const QKeyEvent& key);
    void location_key_released();
    void enter_pressed(QObject* watched);
    void focus_left(QObject* watched);
    void location_changed();
    bool is_numeric_box(QObject* watched) const;

    // Text tools (album_editor_tools.cpp).
    void names_from_folder();
    void run_text_tool();

    // Saving and renaming (album_editor_save.cpp).
    void save();
    AlbumForm gathered_form() const;
    void refuse_duplicate();
    bool write(const AlbumForm& form);
    void rename_artist();

    EditorRequest request_;
    EditorJob job_;
    EditorResult result_;
    CdSongLists lists_;
    // The album opened for editing, as stored and as the boxes showed it once loaded.
    std::optional<LoadedAlbum> loaded_;
    // The artist and title of the album opened for editing (job 3).
    QString original_artist_;
    QString original_album_;

    QFrame* frame1_ = nullptr;
    QLineEdit* artist_txt_ = nullptr;
    QLabel* cds_lb_ = nullptr;
    QLineEdit* nrofcds_txt_ = nullptr;
    QLineEdit* album_name_txt_ = nullptr;
    QLineEdit* directory_txt_ = nullptr;
    QListWidget* file1_ = nullptr;
    QPushButton* previous_cd_ = nullptr;
    QPushButton* next_cd_ = nullptr;
    QLabel* cd_nr_ = nullptr;
    QPlainTextEdit* song_list_txt_ = nullptr;
    QLineEdit* year_txt_ = nullptr;
    QComboBox* cover_ = nullptr;
    QComboBox* album_loc_ = nullptr;
    QLineEdit* bitrate_ = nullptr;
    QLineEdit* size_1_ = nullptr;
    QLineEdit* size_2_ = nullptr;
    QCheckBox* check1_ = nullptr;
    QLineEdit* first_txt_ = nullptr;
    QLineEdit* second_txt_ = nullptr;
    QCheckBox* upper_case_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* ok_bttn_ = nullptr;
    QPushButton* cancel_bttn_ = nullptr;
};

} // namespace vinylix
