#pragma once

#include "settings/options.h"

#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace vinylix {

class AlbumSummary;
class ExploreTab;
class ImportData;
struct DiscCheckSetup;
struct UpdatePlan;
class ProgressBox;
struct EditorRequest;
struct SharedState;

// The commands on the catalogue, one method each: the album editor's four jobs, deleting albums,
// and the shelf and duplicate-albums windows. The main window runs a command once the catalogue
// is open (and, for one on the albums the browser shows, they are still in it), then answers
// its signals: it refreshes the browser after the main recordset wrote, reads the catalogue
// again when it changed behind the recordset's back, and shows an album chosen in a window.
// A command takes what it works on from the browser as values, and every change it makes goes
// through `change`, the one place that asks first and says why a write failed. Each command's
// change is recorded as one step of the undo history, named as the Edit menu shows it.
class CatalogueCommands : public QObject {
    Q_OBJECT
public:
    // `window` is the parent of the commands' questions, messages and windows; `progress` shows
    // how far deleting every album has got.
    CatalogueCommands(SharedState& state, ExploreTab& browser, ProgressBox* progress,
                      QWidget* window);

    // The album editor on a new album, a new album of the browsed artist, the browsed album, or
    // a new artist name for the albums selected in the browser.
    void new_album();
    void album_to_current_artist();
    void edit_selected_album();
    void rename_artist();
    // Asks about each album selected in the browser and deletes those the user confirms.
    void delete_selected_albums();
    // Asks twice, then deletes every album of the catalogue in one transaction, its rows kept
    // for Undo.
    void delete_all();
    // The shelf window on the catalogue's albums, measured against `medium`, opening on the disc
    // numbered `disc` ("7") when one is given.
    void open_shelf(Medium medium, const QString& disc = {});
    // The duplicate-albums window; a copy deleted there leaves that very row of the file.
    void open_duplicates();
    // The disc-check window; what it writes ("Update Selected", "Add Selected") is written here.
    void open_disc_check(const DiscCheckSetup& setup);

signals:
    // The main recordset wrote (a save, a rename, deletions by row): the browser is refreshed
    // from it and shows this album.
    void catalogue_written(const QString& artist, const QString& album);
    // The file may hold other rows than the main recordset (written through the catalogue
    // itself, or by another program): the browser reads them, if so.
    void catalogue_may_have_changed();
    // The browser took the lines of the albums deleted away itself.
    void albums_removed();
    // The user chose an album in a window: the browser shows it, on its tab.
    void album_chosen(const QString& artist, const QString& album);
    // The medium the user left the shelf window on.
    void medium_chosen(Medium medium);

private:
    void open_editor(EditorRequest request);
    bool position_on_browsed_album();
    bool delete_copy(QWidget* parent, const AlbumSummary& copy);
    bool update_checked_albums(QWidget* parent, const UpdatePlan& plan);
    bool add_checked_albums(QWidget* parent, ImportData albums);
    // Asks `question` (on `parent`), then makes the change; false when the user declined, or
    // when the change failed, which is then told with `failure` and the reason.
    bool change(QWidget* parent, const QString& question, const QString& failure,
                const std::function<bool(QString* error)>& make);

    SharedState& state_;
    ExploreTab& browser_;
    ProgressBox* progress_;
    QWidget* window_;
};

} // namespace vinylix
