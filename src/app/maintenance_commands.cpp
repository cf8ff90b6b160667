#include "maintenance_commands.h"

#include "app/mainframe.h"
#include "browse/browser.h"
#include "browse/explore_tab.h"
#include "editor/album_editor.h"
#include "kit/program_title.h"
#include "kit/prompts.h"
#include "store/album_lookup.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>

namespace vinylix {

namespace {

// The album the browser shows: the current entry when it is selected, else the first selected.
QListWidgetItem* selected_album(const QListWidget& list) {
    QListWidgetItem* current = list.currentItem();
    if (current && current->isSelected())
        return current;
    const auto selected = list.selectedItems();
    return selected.isEmpty() ? current : selected.first();
}

// Puts the main recordset on the album selected in the browser, as a click on it does.
bool position_on_browsed_album(Mainframe& main) {
    ExploreTab& browser = *main.explore_tab();
    const QListWidgetItem* album = selected_album(*browser.albums_list());
    return album && position_on_album(*main.state().artists, browser.artists_combo()->currentText(),
                                      album->text());
}

// The titles selected in the browser's album list, top to bottom.
QStringList selected_titles(const QListWidget& list) {
    QStringList titles;
    for (int i = 0; i < list.count(); ++i)
        if (list.item(i)->isSelected())
            titles << list.item(i)->text();
    return titles;
}

EditorRequest request_for(EditorJob job) {
    EditorRequest request;
    request.job = job;
    return request;
}

// Opens the editor for one job; when it wrote to the catalogue, refreshes the browser and shows
// the album it names. Otherwise what another program changed meanwhile is shown (an album it
// took away is why a save fails).
void open_editor(Mainframe& main, EditorRequest request) {
    request.albums = main.state().artists.get();
    AlbumEditor editor(std::move(request), &main);
    editor.open_for_job();
    prompts().run_modal(editor);
    const EditorResult& result = editor.result();
    if (!result.written) {
        main.reload_if_changed();
        return;
    }
    main.refresh_catalogue();
    main.explore_tab()->select_artist_and_album(result.artist, result.album);
}

void new_album(Mainframe& main) {
    if (main.require_catalogue())
        open_editor(main, request_for(EditorJob::NewAlbum));
}

void album_to_current_artist(Mainframe& main) {
    if (!main.require_browsed_albums())
        return;
    // A search or an export may have moved the recordset since the browser last did.
    if (!position_on_browsed_album(main))
        main.state().artists->find_first(
            artist_is(main.explore_tab()->artists_combo()->currentText()));
    open_editor(main, request_for(EditorJob::NewAlbumForArtist));
}

void edit_selected_album(Mainframe& main) {
    if (!main.require_browsed_albums() || !position_on_browsed_album(main))
        return;
    open_editor(main, request_for(EditorJob::EditAlbum));
}

void edit_artist_name(Mainframe& main) {
    if (!main.require_browsed_albums())
        return;
    const ExploreTab& browser = *main.explore_tab();
    const QListWidgetItem* current = browser.albums_list()->currentItem();
    EditorRequest request = request_for(EditorJob::RenameArtist);
    request.artist = browser.artists_combo()->currentText();
    request.selected_albums = selected_titles(*browser.albums_list());
    request.current_album = current ? current->text() : QString();
    open_editor(main, std::move(request));
}

// After deletions: drops an artist left without albums, or selects the album above the last
// one asked about.
void show_after_deleting(ExploreTab& browser, int last_asked) {
    QListWidget& albums = *browser.albums_list();
    if (albums.count() > 0) {
        browser.show_row(last_asked > 0 ? last_asked - 1 : 0);
        return;
    }
    QComboBox& artists = *browser.artists_combo();
    const int removed = artists.currentIndex();
    artists.removeItem(removed);
    if (artists.count() == 0) {
        browser.clear_lists();
        return;
    }
    artists.setCurrentIndex(removed > 0 ? removed - 1 : 0);
    browser.show_artist();
}

void delete_selected_albums(Mainframe& main) {
    if (!main.require_browsed_albums())
        return;
    ExploreTab& browser = *main.explore_tab();
    QListWidget& albums = *browser.albums_list();
    const QString artist = browser.artists_combo()->currentText();
    int last_asked = -1;
    bool deleted = false;
    const QSignalBlocker quiet(albums); // the albums are shown once the deletions are done
    // The albums selected when the command started: removing lines may select another one.
    const QList<QListWidgetItem*> chosen = albums.selectedItems();
    for (int i = 0; i < albums.count(); ++i) {
        if (!chosen.contains(albums.item(i)))
            continue;
        last_asked = i;
        const QString title = albums.item(i)->text();
        if (!prompts().confirm(
                &main, program_title(),
                QObject::tr("You are about to delete %1 - %2. Continue?").arg(artist, title)))
            continue;
        QString error;
        if (!delete_album(*main.state().artists, artist, title, &error)) {
            prompts().notice(&main, program_title(),
                             QObject::tr("The album could not be deleted.\n%1").arg(error),
                             Prompts::Icon::Critical);
            continue;
        }
        delete albums.takeItem(i--);
        deleted = true;
    }
    if (!deleted)
        return;
    show_after_deleting(browser, last_asked);
    main.refresh_commands();
}

void delete_all(Mainframe& main) {
    if (!main.require_catalogue())
        return;
    if (!prompts().confirm(
            &main, program_title(),
            QObject::tr("You are about to delete all records from database. Continue?")) ||
        !prompts().confirm(
            &main, program_title(),
            QObject::tr("If you continue, all information previously saved will be lost. "
                        "Continue?")))
        return;
    QString error;
    if (!delete_all_albums(*main.state().vinylixdb, &error))
        prompts().notice(&main, program_title(),
                         QObject::tr("The albums could not be deleted.\n%1").arg(error),
                         Prompts::Icon::Critical);
    main.load_catalogue();
    main.explore_tab()->albums_list()->clear();
    main.explore_tab()->song_text()->clear();
    main.refresh_commands();
}

} // namespace

void wire_maintenance_commands(Mainframe& main) {
    const std::pair<const char*, void (*)(Mainframe&)> commands[] = {
        {"newalbum_mnu", new_album},           {"albumtocurrent_mnu", album_to_current_artist},
        {"editsel_mnu", edit_selected_album},  {"editartist_name", edit_artist_name},
        {"del_album", delete_selected_albums}, {"del_all_mnu", delete_all}};
    for (const auto& [name, handler] : commands)
        QObject::connect(main.menu_command(QString::fromLatin1(name)), &QAction::triggered, &main,
                         [&main, handler = handler] { handler(main); });
}

} // namespace vinylix
