#pragma once

#include "disc_check.h"
#include "disc_check_actions.h"

#include "mp3/code_page.h"

#include <QDialog>
#include <array>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vinylix {

class Catalogue;
class DiscCheckTree;
class ProgressBox;

// What the disc check works with: the catalogue, the import's way of reading folders, and where
// the folder chooser opens.
struct DiscCheckSetup {
    std::shared_ptr<Catalogue> catalogue;
    QString folder_name_format; // the import's, "%1 - %2"
    bool arrange_cases = false;
    CodePage code_page = default_code_page;
    QString chooser_start;
};

// "check_frm", "Check a Disc": a folder (chosen with the import's folder chooser) held against
// the albums the catalogue lists under a shelf disc number, which the folder's or its volume's
// name proposes. "Check" reads the folder as the import reads it, with the import's progress
// ("Stop" or Escape stops it), and shows the four groups with their counts; the song names
// come from the source chosen, and choosing another compares again. "Update Selected" asks the
// main window to write the disc's values of the ticked fields into the selected albums that
// differ, "Add Selected" to add the selected albums only on the disc; the main window then
// calls `recheck`. A double click or Enter on an album of the catalogue closes the window with
// it as its choice. "Copy" and "Save Report..." give the check as text. Nothing is written
// but by those two buttons.
class DiscCheckWindow : public QDialog {
    Q_OBJECT
public:
    explicit DiscCheckWindow(DiscCheckSetup setup, QWidget* parent = nullptr);
    ~DiscCheckWindow() override;

    // Takes `folder` as the folder chooser would, proposing its disc number.
    void set_folder(const QString& folder);
    // Reads the folder and checks it against the catalogue; says why when it cannot.
    void run_check();
    // Reads the catalogue's albums of the disc again, after a write, and compares anew.
    void recheck();
    // The check shown, if there is one.
    const std::optional<DiscCheck>& check() const { return check_; }
    // The album of the catalogue chosen to be shown in the browser, if one was.
    const std::optional<StoredAlbum>& chosen() const { return chosen_; }

signals:
    // The user asked to write the disc's values into albums of the catalogue.
    void update_requested(const vinylix::UpdatePlan& plan);
    // The user asked to add albums found only on the disc.
    void add_requested(const vinylix::ImportData& albums);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build_controls();
    QLayout* build_choice_rows();
    QLayout* build_field_boxes();
    QLayout* build_buttons();
    void choose_folder();
    bool read_folder(const QString& disc);
    bool read_catalogue();
    void compare();
    void show_reading(bool reading);
    void show_nothing(const QString& why);
    void update_buttons();
    std::vector<Field> ticked_fields() const;
    void ask_update();
    void ask_add();
    void choose_current();
    void copy_report();
    void save_report();

    DiscCheckSetup setup_;
    QString folder_;
    // The last check's folder, disc and readings.
    QString checked_folder_;
    QString checked_disc_;
    ImportRun run_;
    DiscCatalogue stored_;
    std::optional<DiscCheck> check_;
    std::optional<StoredAlbum> chosen_;
    bool reading_ = false;

    QLineEdit* folder_txt_ = nullptr;
    QPushButton* browse_bttn_ = nullptr;
    QLineEdit* disc_nr_txt_ = nullptr;
    QComboBox* source_combo_ = nullptr;
    QPushButton* check_bttn_ = nullptr;
    QPushButton* stop_bttn_ = nullptr;
    QLabel* format_lb_ = nullptr;
    ProgressBox* progressbar_ = nullptr;
    QLabel* summary_lb_ = nullptr;
    DiscCheckTree* groups_tree_ = nullptr;
    std::array<QCheckBox*, checked_fields.size()> field_checks_{};
    QPushButton* update_bttn_ = nullptr;
    QPushButton* add_bttn_ = nullptr;
    QPushButton* copy_bttn_ = nullptr;
    QPushButton* save_bttn_ = nullptr;
    QPushButton* close_bttn_ = nullptr;
};

} // namespace vinylix
