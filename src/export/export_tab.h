#pragma once

#include "export_list.h"
#include "settings/options.h"

#include <QWidget>
#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QToolBar;

namespace vinylix {

class ProgressBox;
struct SharedState;

// The " E&xport List" tab: the list kind, the album properties, the sort order and the
// additional information of the text and HTML lists, and the two commands that write them.
// Its controls are the live copy of the export options.
class ExportTab : public QWidget {
    Q_OBJECT
public:
    // `progress` is the main window's progress box (may be null: no progress is drawn); the
    // preview files are written in `program_folder`.
    ExportTab(SharedState& state, ProgressBox* progress, QString program_folder,
              QWidget* parent = nullptr);

    // Shows the options: a box counts as ticked when its state is 1, and the nickname and
    // e-mail boxes are enabled by theirs; save mode 1 is the text list, any other the HTML list.
    void take_options(const ExportOptions& options);
    ExportOptions options() const;

    // "Preview": writes the list to vinylix.txt or vinylix.html in the program's folder and
    // shows it with the user's default program; "No records in Database" when the catalogue
    // has no album.
    void preview();
    // "Save to file...": writes the list under the name the save dialog returns, exactly as
    // returned; nothing when the dialog is cancelled.
    void save_list();

private:
    QGroupBox* build_export_mode();
    QGroupBox* build_fields();
    QGroupBox* build_organisation();
    QGroupBox* build_additional();
    QCheckBox* check_box(const char* name, const QString& caption, QWidget* parent);
    void set_tab_order();
    ListOrder order() const;
    // Writes the list to `path`; false (after telling the user why) when nothing was written.
    bool write_to(const QString& path, bool preview);

    SharedState& state_;
    ProgressBox* progress_;
    QString program_folder_;
    QToolBar* save_mode_ = nullptr;
    QAction* text_mode_ = nullptr;
    QAction* html_mode_ = nullptr;
    // Year, Cover, # of CDs, Kbps, CD #, Size.
    std::array<QCheckBox*, 6> field_boxes_{};
    QComboBox* org_combo_ = nullptr;
    QCheckBox* nickname_ch_ = nullptr;
    QLineEdit* nick_txt_ = nullptr;
    QCheckBox* email_ch_ = nullptr;
    QLineEdit* email_txt_ = nullptr;
    QCheckBox* stats_ch_ = nullptr;
    QPushButton* preview_bttn_ = nullptr;
    QPushButton* savefile_bttn_ = nullptr;
};

} // namespace vinylix
