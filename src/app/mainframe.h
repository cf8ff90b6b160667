#pragma once

#include "settings/options.h"
#include "settings/settings_file.h"
#include "store/shared_state.h"

#include <QHash>
#include <QMainWindow>
#include <array>

class QAction;
class QLabel;
class QMenu;
class QTabWidget;
class QToolBar;

namespace vinylix {

class CatalogueCommands;
class ExploreTab;
class FieldsTab;
struct ChartChoice;
struct DiscCheckSetup;
class ExportTab;
class ImportTab;
class ProgressBox;
class SpreadsheetTab;
struct UndoOutcome;

// The main window: menus, main toolbar, the six tabs and the status bar. It owns the shared
// state and the options, and wires each command to its handler: the commands on the catalogue
// (CatalogueCommands) run once the catalogue is ready for them, and their signals say what the
// browser shows next.
class Mainframe : public QMainWindow {
    Q_OBJECT
public:
    explicit Mainframe(QString program_folder, QWidget* parent = nullptr);
    ~Mainframe() override;

    // The open catalogue and the main recordset.
    SharedState& state() { return state_; }

    // Reads the options from the settings file (once, at start-up) and hands them out.
    void load_settings();
    // Reopens the catalogue and lists its artists, drawing progress on the main window's
    // progress box and on `extra` (the splash window's) when given. Returns false, with the
    // reason in catalogue_error_text, when the catalogue could not be opened.
    bool load_catalogue(ProgressBox* extra = nullptr);
    // The main recordset itself wrote to the catalogue (a save, a rename): its moved rows go
    // back in order and the artists are listed again, showing what a full load would without
    // reading the file. Albums stored behind its back since are read with a full load.
    void refresh_catalogue();
    // The message shown when the catalogue file could not be opened.
    QString catalogue_error_text() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    // Coming to the front, the window reads what another program changed meanwhile.
    void changeEvent(QEvent* event) override;

private:
    void build_menus();
    void build_toolbar();
    void build_tabs();
    void build_status_bar();
    void wire_catalogue_commands();
    void wire_undo_commands();
    // After an undo or redo: the browser shows the catalogue as it is now, on the first of
    // the albums concerned, those of its artist selected.
    void show_replayed(const UndoOutcome& outcome);
    QAction* menu_command(const QString& name) const;
    QAction* toolbar_button(const QString& key) const;
    void set_panel(int panel, const QString& text);
    void run_toolbar_key(const QString& key);
    void take_options(const Options& options);
    Options gathered_options() const;
    // Enables the commands that need at least one album only while the catalogue has one.
    void refresh_commands();
    // Reads the catalogue again when the file holds other rows than the main recordset
    // (another program changed it, or the import stored albums), and refreshes the browser
    // when the recordset was read again behind its back (by a save that found such a change),
    // keeping it on the artist and albums it showed where they are still there. False when
    // some of them are gone.
    bool reload_if_changed();
    // True when the catalogue is open; otherwise tells the user why not and returns false.
    // A change made by another program is read first.
    bool require_catalogue();
    // The same for a command on the albums the browser shows: false, with a word to the user,
    // also when a change made by another program took some of them away.
    bool require_browsed_albums();
    // Shows the album in the browser, on its tab, reading the catalogue first when it changed.
    void show_in_browser(const QString& artist, const QString& album);
    void tab_clicked();
    void show_about();
    void show_settings();
    void show_statistics();
    void show_chart_choice(const ChartChoice& choice);
    // What the disc check reads folders with: the import's options and the catalogue.
    DiscCheckSetup disc_check_setup() const;
    void show_tag_renamer();
    void shut_down();

    QString program_folder_;
    SettingsFile settings_file_;
    SharedState state_;
    Options options_;
    bool reload_pending_ = false;
    int browsed_reads_ = 0; // the main recordset's read count when the browser was filled
    QHash<QString, QAction*> menu_commands_;
    QHash<QString, QAction*> toolbar_buttons_;
    CatalogueCommands* commands_ = nullptr;
    QMenu* edit_mnu_ = nullptr;
    QToolBar* menu_toolbar_ = nullptr;
    QTabWidget* tabulador_ = nullptr;
    ExploreTab* explore_tab_ = nullptr;
    FieldsTab* fields_tab_ = nullptr;
    ImportTab* import_tab_ = nullptr;
    SpreadsheetTab* excel_tab_ = nullptr;
    ExportTab* export_tab_ = nullptr;
    ProgressBox* progressbar_ = nullptr;
    std::array<QLabel*, 6> panels_{};
    bool shut_down_ = false;
};

} // namespace vinylix
