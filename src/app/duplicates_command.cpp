#include "duplicates_command.h"

#include "app/mainframe.h"
#include "browse/explore_tab.h"
#include "duplicates/duplicates_window.h"
#include "kit/program_title.h"
#include "kit/prompts.h"
#include "store/album_lookup.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QTabWidget>

namespace vinylix {

namespace {

// The one place where a copy found by the duplicates window leaves the catalogue (an undo
// history records it here): the question every deletion of an album asks, then that very row
// deleted through the main recordset, so that its twin of the same name stays. True when it
// went.
bool delete_copy(Mainframe& main, QWidget* window, const AlbumSummary& copy) {
    if (!main.require_catalogue() ||
        !prompts().confirm(window, program_title(),
                           QObject::tr("You are about to delete %1 - %2. Continue?")
                               .arg(copy.artist().toString(), copy.album().toString())))
        return false;
    // An album stored behind the main recordset's back (by the import) is read anew first.
    if (!main.state().artists->move_to_row(copy.rowid()) && !main.load_catalogue())
        return false;
    QString error;
    if (!delete_album_row(*main.state().artists, copy.rowid(), copy.artist().toString(),
                          copy.album().toString(), &error)) {
        prompts().notice(window, program_title(),
                         QObject::tr("The album could not be deleted.\n%1").arg(error),
                         Prompts::Icon::Critical);
        return false;
    }
    return true;
}

// Shows an album in the browser, on the explore tab.
void show_in_browser(Mainframe& main, const QString& artist, const QString& album) {
    if (!position_on_album(*main.state().artists, artist, album))
        main.load_catalogue();
    main.tabs()->setCurrentWidget(main.explore_tab());
    main.explore_tab()->select_artist_and_album(artist, album);
}

void open_duplicates(Mainframe& main) {
    if (!main.require_catalogue())
        return;
    ExploreTab& browser = *main.explore_tab();
    const QString artist = browser.artists_combo()->currentText();
    const QListWidgetItem* album = browser.albums_list()->currentItem();
    const QString title = album ? album->text() : QString();
    bool deleted = false;
    DuplicatesWindow window(main.state().vinylixdb->path(), &main);
    QObject::connect(&window, &DuplicatesWindow::delete_requested, &window,
                     [&](const AlbumSummary& copy) {
                         if (delete_copy(main, &window, copy)) {
                             deleted = true;
                             window.refresh();
                         }
                     });
    prompts().run_modal(window);
    if (!main.state().catalogue_open())
        return; // a reading anew failed, and said why
    if (deleted)
        main.refresh_catalogue();
    if (window.chosen())
        show_in_browser(main, window.chosen()->artist().toString(),
                        window.chosen()->album().toString());
    else if (deleted)
        browser.select_artist_and_album(artist, title);
}

} // namespace

void wire_duplicates_command(Mainframe& main) {
    QObject::connect(main.menu_command(QStringLiteral("duplicates_mnu")), &QAction::triggered,
                     &main, [&main] { open_duplicates(main); });
}

} // namespace vinylix
