#include "catalogue_commands.h"

#include "browse/explore_tab.h"
#include "duplicates/duplicates_window.h"
#include "editor/album_editor.h"
#include "kit/program_title.h"
#include "kit/progress_box.h"
#include "kit/prompts.h"
#include "kit/wait_cursor.h"
#include "shelf/shelf_window.h"
#include "store/album_lookup.h"
#include "store/change_recording.h"
#include "store/shared_state.h"
#include "store/shelf_albums.h"

#include <memory>

namespace vinylix {

namespace {

EditorRequest request_for(EditorJob job) {
    EditorRequest request;
    request.job = job;
    return request;
}

// The question every deletion of one album asks.
QString deletion_question(const QString& artist, const QString& album) {
    return QObject::tr("You are about to delete %1 - %2. Continue?").arg(artist, album);
}

QString album_not_deleted() {
    return QObject::tr("The album could not be deleted.");
}

// How the Edit menu names what an editor job changed.
ChangeKind change_of(EditorJob job) {
    switch (job) {
    case EditorJob::NewAlbum:
    case EditorJob::NewAlbumForArtist:
        return ChangeKind::Added;
    case EditorJob::EditAlbum:
        return ChangeKind::Edited;
    case EditorJob::RenameArtist:
        break;
    }
    return ChangeKind::ArtistRenamed;
}

} // namespace

CatalogueCommands::CatalogueCommands(SharedState& state, ExploreTab& browser, ProgressBox* progress,
                                     QWidget* window)
    : QObject(window), state_(state), browser_(browser), progress_(progress), window_(window) {}

bool CatalogueCommands::change(QWidget* parent, const QString& question, const QString& failure,
                               const std::function<bool(QString*)>& make) {
    if (!prompts().confirm(parent, program_title(), question))
        return false;
    QString error;
    if (make(&error))
        return true;
    prompts().notice(parent, program_title(), failure + u'\n' + error, Prompts::Icon::Critical);
    return false;
}

// Opens the editor for one job. What it wrote is shown in the browser; otherwise what another
// program changed meanwhile is (an album it took away is why a save fails).
void CatalogueCommands::open_editor(EditorRequest request) {
    request.albums = state_.artists.get();
    const ChangeKind change = change_of(request.job);
    ChangeRecording recording(state_.history, state_.vinylixdb);
    AlbumEditor editor(std::move(request), window_);
    editor.open_for_job();
    prompts().run_modal(editor);
    const EditorResult& result = editor.result();
    if (result.written) {
        recording.keep(change);
        emit catalogue_written(result.artist, result.album);
    } else {
        emit catalogue_may_have_changed();
    }
}

// Puts the main recordset on the album the browser shows, as a click on it does: a search or an
// export may have moved it since.
bool CatalogueCommands::position_on_browsed_album() {
    const std::optional<QString> album = browser_.browsed_album();
    return album && position_on_album(*state_.artists, browser_.browsed_artist(), *album);
}

void CatalogueCommands::new_album() {
    open_editor(request_for(EditorJob::NewAlbum));
}

void CatalogueCommands::album_to_current_artist() {
    if (!position_on_browsed_album())
        state_.artists->find_first(artist_is(browser_.browsed_artist()));
    open_editor(request_for(EditorJob::NewAlbumForArtist));
}

void CatalogueCommands::edit_selected_album() {
    if (position_on_browsed_album())
        open_editor(request_for(EditorJob::EditAlbum));
}

void CatalogueCommands::rename_artist() {
    EditorRequest request = request_for(EditorJob::RenameArtist);
    request.artist = browser_.browsed_artist();
    request.selected_albums = browser_.selected_albums();
    request.current_album = browser_.current_album();
    open_editor(std::move(request));
}

void CatalogueCommands::delete_selected_albums() {
    const QString artist = browser_.browsed_artist();
    const auto remove = [&](const QString& title) {
        return change(
            window_, deletion_question(artist, title), album_not_deleted(),
            [&](QString* error) { return delete_album(*state_.artists, artist, title, error); });
    };
    ChangeRecording recording(state_.history, state_.vinylixdb);
    if (browser_.remove_selected_albums(remove)) {
        recording.keep(ChangeKind::Deleted);
        emit albums_removed();
    }
}

void CatalogueCommands::delete_all() {
    if (!prompts().confirm(window_, program_title(),
                           tr("You are about to delete all records from database. Continue?")))
        return;
    const auto keeping = [this](qint64 done, qint64 total) {
        progress_->set_progress(done, total);
        return true;
    };
    change(window_, tr("If you continue, all information previously saved will be lost. Continue?"),
           tr("The albums could not be deleted."), [&](QString* error) {
               const WaitCursor busy;
               return delete_all_albums(state_.history, *state_.vinylixdb, keeping, error);
           });
    progress_->clear();
    emit catalogue_may_have_changed();
}

void CatalogueCommands::open_shelf(Medium medium, const QString& disc) {
    ShelfRequest request;
    request.medium = medium;
    std::unique_ptr<ShelfWindow> window;
    {
        const WaitCursor busy;
        QString error;
        // A large catalogue is read by the window itself, which repaints and shows how far.
        if (state_.artists->record_count() > shelf_albums_read_at_once) {
            request.read_from = state_.vinylixdb->path();
        } else if (!read_shelf_albums(*state_.vinylixdb, request.albums, &error)) {
            prompts().notice(window_, program_title(), error, Prompts::Icon::Exclamation);
            return;
        }
        window = std::make_unique<ShelfWindow>(std::move(request), window_);
        if (!disc.isEmpty())
            window->select_disc(disc);
    }
    prompts().run_modal(*window);
    const ShelfResult result = window->outcome();
    window.reset();
    emit medium_chosen(result.medium);
    if (result.chosen)
        emit album_chosen(result.chosen->artist, result.chosen->album);
}

// A copy found by the duplicates window leaves the catalogue through the main recordset, that
// very row, so that its twin of the same name stays. Rows stored behind the recordset's back
// (by the import, by another program) are read first.
bool CatalogueCommands::delete_copy(QWidget* parent, const AlbumSummary& copy) {
    const QString artist = copy.artist().toString();
    const QString album = copy.album().toString();
    ChangeRecording recording(state_.history, state_.vinylixdb);
    const bool deleted =
        change(parent, deletion_question(artist, album), album_not_deleted(), [&](QString* error) {
            return state_.artists->catch_up(error) &&
                   delete_album_row(*state_.artists, copy.rowid(), artist, album, error);
        });
    if (deleted)
        recording.keep(ChangeKind::Deleted);
    return deleted;
}

void CatalogueCommands::open_duplicates() {
    const QString artist = browser_.browsed_artist();
    const QString title = browser_.current_album();
    bool deleted = false;
    DuplicatesWindow window(state_.vinylixdb->path(), window_);
    connect(&window, &DuplicatesWindow::delete_requested, &window, [&](const AlbumSummary& copy) {
        if (delete_copy(&window, copy)) {
            deleted = true;
            window.refresh();
        }
    });
    prompts().run_modal(window);
    if (deleted)
        emit catalogue_written(artist, title);
    else
        emit catalogue_may_have_changed();
    if (const auto& chosen = window.chosen())
        emit album_chosen(chosen->artist().toString(), chosen->album().toString());
}

} // namespace vinylix
