#include "shelf_command.h"

#include "app/mainframe.h"
#include "browse/explore_tab.h"
#include "kit/program_title.h"
#include "kit/prompts.h"
#include "kit/wait_cursor.h"
#include "shelf/shelf_window.h"
#include "store/album_lookup.h"
#include "store/shelf_albums.h"

#include <QAction>
#include <QTabWidget>

namespace vinylix {

namespace {

void open_shelf(Mainframe& main) {
    if (!main.require_catalogue())
        return;
    ShelfRequest request;
    request.medium = main.gathered_options().medium;
    std::unique_ptr<ShelfWindow> window;
    {
        const WaitCursor busy;
        QString error;
        // A large catalogue is read by the window itself, which repaints and shows how far.
        if (main.state().artists->record_count() > shelf_albums_read_at_once) {
            request.read_from = main.state().vinylixdb->path();
        } else if (!read_shelf_albums(*main.state().vinylixdb, request.albums, &error)) {
            prompts().notice(&main, program_title(), error, Prompts::Icon::Exclamation);
            return;
        }
        window = std::make_unique<ShelfWindow>(std::move(request), &main);
    }
    prompts().run_modal(*window);
    const ShelfResult result = window->outcome();
    window.reset();
    Options options = main.gathered_options();
    options.medium = result.medium;
    main.take_options(options);
    if (result.chosen) {
        // An album stored behind the browser's back (by the import) is read anew first.
        if (!position_on_album(*main.state().artists, result.chosen->artist, result.chosen->album))
            main.load_catalogue();
        main.tabs()->setCurrentWidget(main.explore_tab());
        main.explore_tab()->select_artist_and_album(result.chosen->artist, result.chosen->album);
    }
}

} // namespace

void wire_shelf_command(Mainframe& main) {
    QObject::connect(main.menu_command(QStringLiteral("shelf_mnu")), &QAction::triggered, &main,
                     [&main] { open_shelf(main); });
}

} // namespace vinylix
