#pragma once

#include "album_storing.h"
#include "import_data.h"
#include "import_review.h"

#include "mp3/code_page.h"
#include "settings/options.h"

#include <QWidget>
#include <array>
#include <vector>

class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QToolBar;

namespace vinylix {

class ProgressBox;
struct SharedState;

// The " &Import Albums" tab (`import_frame`): the tab control `import_tab` with the page "Album
// name format", where the folder-name format and the case switch are set and "Import" picks a
// root folder and detects its albums, and the page "Retrieved Information", where the detected
// albums are reviewed (song source, year, cover, shelf disc) and added to the catalogue. It
// draws the run's progress on `progress`, signals the status-bar texts of the album it shows and
// that albums were stored; its controls are the live copy of the import options.
class ImportTab : public QWidget {
    Q_OBJECT
public:
    ImportTab(SharedState& state, ProgressBox* progress, QString program_folder,
              QWidget* parent = nullptr);

    // The import options.
    void take_options(const ImportOptions& options);
    ImportOptions options() const;
    // The code page of tags and of playlists that are not UTF-8.
    void set_code_page(CodePage page) { code_page_ = page; }

    // "Import": refuses a format it cannot match, asks for the root folder, and detects its
    // albums; a cancelled choice keeps the albums listed before.
    void run_import();
    // The albums under review, line i of the list being album i.
    const ImportData& data() const { return data_; }

signals:
    // Status-bar panel 1 to 6 shows `text`.
    void panel_text(int panel, const QString& text);
    // Albums were added to the catalogue behind the main recordset's back.
    void albums_stored();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* build_format_page();
    QWidget* build_review_page();
    QLayout* build_review_boxes();
    void build_extract_mode();
    bool choose_root();
    void fill_list_enabled(bool any);
    void list_albums();
    void clear_review();
    void display_information();
    void switch_song_mode(SongSource source);
    void store_information();
    void add_to_database();
    void show_storing(const StoringResult& result);
    void show_panels(const ReviewPanels& texts, std::initializer_list<int> which);
    std::vector<int> selected_rows() const;

    SharedState& state_;
    ProgressBox* progress_;
    QString program_folder_;
    QString path_; // the import's root folder
    CodePage code_page_ = default_code_page;
    ImportData data_;
    SongSource current_source_ = SongSource::FileNames;

    QTabWidget* import_tab_;
    QLineEdit* foldername_txt_;
    QCheckBox* convertlower_check_;
    QPushButton* import_bttn_;
    QLabel* explain_lb_;
    QListWidget* retrieved_albums_;
    QPlainTextEdit* import_songlist_;
    QToolBar* extract_mode_;
    QActionGroup* source_buttons_;
    std::array<QAction*, song_source_count> source_actions_{};
    QLineEdit* year_txt_;
    QComboBox* cover_combo_;
    QLineEdit* cdnr_txt_;
    QPushButton* apply_bttn_;
    QPushButton* addtodb_bttn_;
};

} // namespace vinylix
