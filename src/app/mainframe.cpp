#include "mainframe.h"

#include "about_window.h"
#include "app/catalogue_commands.h"
#include "browse/explore_tab.h"
#include "browse/statistics_window.h"
#include "export/export_tab.h"
#include "import/disc_check_window.h"
#include "import/import_tab.h"
#include "import/volumes.h"
#include "kit/program_title.h"
#include "kit/progress_box.h"
#include "kit/prompts.h"
#include "kit/wait_cursor.h"
#include "search/fields_tab.h"
#include "search/search_tab.h"
#include "settings/settings_file.h"
#include "settings_window.h"
#include "shelf/shelf_media.h"
#include "store/catalogue_load.h"
#include "store/collation.h"
#include "tags/mp3renamer.h"
#include "tags/tag_apply_step.h"
#include "transfer/spreadsheet_tab.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vinylix {

Mainframe::Mainframe(QString program_folder, QWidget* parent)
    : QMainWindow(parent), program_folder_(std::move(program_folder)),
      settings_file_(settings_path(program_folder_)) {
    setObjectName(QStringLiteral("Mainframe"));
    setWindowTitle(program_title());
    build_menus();
    build_toolbar();
    build_tabs();
    build_status_bar();
    resize(760, 520);
    wire_catalogue_commands();
    wire_undo_commands();
    explore_tab_->setFocus(); // the window opens on the artist list
}

Mainframe::~Mainframe() = default;

void Mainframe::build_tabs() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    tabulador_ = new QTabWidget(central);
    tabulador_->setObjectName(QStringLiteral("tabulador"));
    explore_tab_ = new ExploreTab(state_, tabulador_);
    connect(explore_tab_, &ExploreTab::panels_changed, this,
            [this](const std::array<QString, 6>& texts) {
                for (int p = 1; p <= 6; ++p)
                    set_panel(p, texts[std::size_t(p - 1)]);
            });
    connect(explore_tab_, &ExploreTab::edit_menu_requested, this,
            [this](const QPoint& at) { edit_mnu_->popup(at); });
    connect(explore_tab_, &ExploreTab::edit_album_requested, this,
            [this] { menu_command(QStringLiteral("editsel_mnu"))->trigger(); });
    tabulador_->addTab(explore_tab_, tr(" &Explore Albums"));
    progressbar_ = new ProgressBox(central);
    tabulador_->addTab(new SearchTab(state_, tabulador_), tr(" &Search"));
    fields_tab_ = new FieldsTab(state_, progressbar_, tabulador_);
    tabulador_->addTab(fields_tab_, tr(" Search &by"));
    import_tab_ = new ImportTab(state_, progressbar_, program_folder_, tabulador_);
    connect(import_tab_, &ImportTab::panel_text, this, &Mainframe::set_panel);
    connect(import_tab_, &ImportTab::albums_stored, this, [this] { reload_pending_ = true; });
    tabulador_->addTab(import_tab_, tr(" &Import Albums"));
    export_tab_ = new ExportTab(state_, progressbar_, program_folder_, tabulador_);
    tabulador_->addTab(export_tab_, tr(" E&xport List"));
    excel_tab_ = new SpreadsheetTab(state_, tabulador_);
    tabulador_->addTab(excel_tab_, tr(" Ex&cel"));
    connect(tabulador_, &QTabWidget::tabBarClicked, this, [this] { tab_clicked(); });
    progressbar_->setFixedHeight(10);
    layout->addWidget(tabulador_, 1);
    layout->addWidget(progressbar_);
    setCentralWidget(central);
}

void Mainframe::build_status_bar() {
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        panels_[i] = new QLabel(statusBar());
        panels_[i]->setObjectName(QStringLiteral("panel%1").arg(i + 1));
        panels_[i]->setTextFormat(Qt::PlainText); // a field as stored, "<b>" and all
        statusBar()->addWidget(panels_[i], 1);
    }
}

void Mainframe::set_panel(int panel, const QString& text) {
    if (panel >= 1 && panel <= int(panels_.size()))
        panels_[std::size_t(panel - 1)]->setText(text);
}

void Mainframe::load_settings() {
    take_options(settings_file_.options());
}

void Mainframe::take_options(const Options& options) {
    options_ = options;
    import_tab_->take_options(options.importing);
    import_tab_->set_code_page(options.code_page);
    excel_tab_->take_options(options.spreadsheet);
    export_tab_->take_options(options.exporting);
}

Options Mainframe::gathered_options() const {
    Options options = options_;
    options.importing = import_tab_->options();
    options.spreadsheet = excel_tab_->options();
    options.exporting = export_tab_->options();
    return options;
}

bool Mainframe::load_catalogue(ProgressBox* extra) {
    explore_tab_->clear_lists();
    const auto progress = [&](qint64 done, qint64 total) {
        progressbar_->set_progress(done, total);
        if (extra)
            extra->set_progress(done, total);
        return true;
    };
    const WaitCursor busy;
    state_.artists.reset();
    state_.vinylixdb.reset();
    CatalogueLoad load = vinylix::load_catalogue(program_folder_, progress);
    state_.vinylixdb = std::move(load.catalogue);
    state_.artists = std::move(load.artists);
    state_.catalogue_error = load.error;
    explore_tab_->set_artists(load.artist_names);
    browsed_reads_ = state_.artists ? state_.artists->read_count() : 0;
    progressbar_->clear();
    refresh_commands();
    return state_.catalogue_open();
}

void Mainframe::refresh_catalogue() {
    if (reload_pending_ || !state_.artists) {
        reload_pending_ = false;
        load_catalogue();
        return;
    }
    state_.artists->restore_order();
    explore_tab_->clear_lists();
    explore_tab_->set_artists(state_.artists->artist_names());
    browsed_reads_ = state_.artists->read_count();
    refresh_commands();
}

void Mainframe::refresh_commands() {
    const bool has_albums = state_.artists && state_.artists->record_count() >= 1;
    for (const char* name :
         {"del_album", "del_all_mnu", "editsel_mnu", "albumtocurrent_mnu", "editartist_name"})
        menu_command(QString::fromLatin1(name))->setEnabled(has_albums);
    for (const char* key : {"addtoartist", "del", "delall", "edit"})
        toolbar_button(QString::fromLatin1(key))->setEnabled(has_albums);
}

QString Mainframe::catalogue_error_text() const {
    return state_.catalogue_error;
}

bool Mainframe::reload_if_changed() {
    if (!state_.artists)
        return true;
    const bool changed = state_.artists->changed_elsewhere();
    if (!changed && state_.artists->read_count() == browsed_reads_)
        return true;
    const ExploreTab::Shown shown = explore_tab_->shown();
    if (changed) {
        reload_pending_ = false;
        load_catalogue();
    } else {
        refresh_catalogue();
    }
    return explore_tab_->show_again(shown);
}

bool Mainframe::require_browsed_albums() {
    if (reload_if_changed())
        return require_catalogue();
    prompts().notice(this, program_title(),
                     tr("Another program has changed the catalogue, and an album you chose is "
                        "no longer in it. The lists now show the catalogue as it is."));
    return false;
}

bool Mainframe::require_catalogue() {
    reload_if_changed();
    if (state_.catalogue_open())
        return true;
    prompts().notice(this, program_title(),
                     tr("The catalogue is not open, so this command cannot run.\n\n%1")
                         .arg(catalogue_error_text()));
    return false;
}

void Mainframe::show_in_browser(const QString& artist, const QString& album) {
    reload_if_changed(); // an album stored since the last reading (by the import) is read first
    tabulador_->setCurrentWidget(explore_tab_);
    explore_tab_->select_artist_and_album(artist, album);
    // The keys go on from what was chosen: the album in its list, or the artist.
    if (album.isEmpty())
        explore_tab_->setFocus();
    else
        explore_tab_->focus_albums();
}

void Mainframe::show_replayed(const UndoOutcome& outcome) {
    if (outcome.read_again) {
        refresh_catalogue();
    } else {
        reload_pending_ = false;
        load_catalogue();
    }
    tabulador_->setCurrentWidget(explore_tab_);
    if (outcome.albums.empty()) {
        if (!outcome.artist.isEmpty())
            explore_tab_->select_artist_and_album(outcome.artist, QString());
        return;
    }
    const AlbumName& first = outcome.albums.front();
    ExploreTab::Shown shown{first.artist, first.album, {}};
    for (const AlbumName& album : outcome.albums)
        if (same_text_ignoring_case(album.artist, first.artist))
            shown.selected << album.album;
    explore_tab_->show_again(shown);
}

void Mainframe::tab_clicked() {
    if (reload_pending_) {
        reload_pending_ = false;
        load_catalogue();
    }
    reload_if_changed();
}

void Mainframe::show_about() {
    AboutWindow about(program_folder_, this);
    prompts().run_modal(about);
}

// The figures and charts come from the rows in memory, which require_catalogue has just made
// the file's. A bar chosen there is shown where it belongs.
void Mainframe::show_statistics() {
    if (!require_catalogue())
        return;
    std::unique_ptr<StatisticsWindow> window;
    {
        const WaitCursor busy;
        StatisticsRequest request{catalogue_charts(*state_.artists, QDate::currentDate().year()),
                                  {medium_name(options_.medium), qint64(options_.medium)}};
        window = std::make_unique<StatisticsWindow>(std::move(request), this);
    }
    prompts().run_modal(*window);
    const std::optional<ChartChoice> choice = window->outcome();
    window.reset();
    if (choice)
        show_chart_choice(*choice);
}

DiscCheckSetup Mainframe::disc_check_setup() const {
    const ImportOptions importing = gathered_options().importing;
    return {state_.vinylixdb, importing.foldername, importing.convertlower, options_.code_page,
            chooser_start(importing.path, program_folder_)};
}

void Mainframe::show_chart_choice(const ChartChoice& choice) {
    switch (choice.kind) {
    case ChartKind::Years:
    case ChartKind::Bitrates:
        tabulador_->setCurrentWidget(fields_tab_);
        fields_tab_->show_value(choice.kind == ChartKind::Years ? BrowsedField::Year
                                                                : BrowsedField::Kbps,
                                choice.value);
        return;
    case ChartKind::Artists:
        show_in_browser(choice.value, QString());
        return;
    case ChartKind::Shelf:
        commands_->open_shelf(options_.medium, choice.value);
        return;
    }
}

// The two options of the settings window; the code page reaches the import tab too.
void Mainframe::show_settings() {
    SettingsWindow settings(options_.save, options_.code_page, this);
    prompts().run_modal(settings);
    options_.save = settings.save_options();
    options_.code_page = settings.code_page();
    import_tab_->set_code_page(options_.code_page);
}

// The tag editor works on MP3 files only and never touches the catalogue. Each Apply is a
// step of the undo history.
void Mainframe::show_tag_renamer() {
    Mp3Renamer renamer(options_.code_page, this);
    connect(&renamer, &Mp3Renamer::tags_written, this, [this](const QList<TagRewrite>& rewrites) {
        state_.history.push(std::make_unique<TagApplyStep>(rewrites));
    });
    prompts().run_modal(renamer);
}

// Not while a command waits in a message box or modal window: it may hold what a reload
// replaces.
void Mainframe::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() &&
        !QApplication::activeModalWidget())
        reload_if_changed();
}

void Mainframe::closeEvent(QCloseEvent* event) {
    shut_down();
    event->accept();
}

void Mainframe::shut_down() {
    if (shut_down_)
        return;
    shut_down_ = true;
    // One message for the whole file, whatever number of keys it would have held.
    QString error;
    if (!settings_file_.save(gathered_options(), &error))
        prompts().notice(this, program_title(),
                         tr("An error has occurred while calling the API function") +
                             QStringLiteral("\n\n") + error,
                         Prompts::Icon::Exclamation);
    state_.artists.reset();
    state_.vinylixdb.reset();
}

} // namespace vinylix
