#include "check_command.h"

#include "app/mainframe.h"
#include "browse/explore_tab.h"
#include "import/album_storing.h"
#include "import/disc_check_window.h"
#include "import/volumes.h"
#include "kit/program_title.h"
#include "kit/prompts.h"
#include "store/album_update.h"

#include <QAction>
#include <QTabWidget>
#include <numeric>

namespace vinylix {

namespace {

// The one place where "Update Selected" writes the disc's values into the catalogue (an undo
// history records it here): the question first, naming what cannot be written, then every
// album in one write. True when it wrote.
bool update_checked_albums(Catalogue& catalogue, QWidget* window, const UpdatePlan& plan) {
    const QString left = plan.refused.isEmpty()
                             ? QString()
                             : QObject::tr("\n\nThese values are left as they are:\n%1")
                                   .arg(plan.refused.join(u'\n'));
    if (plan.updates.empty()) {
        prompts().notice(window, program_title(),
                         QObject::tr("Nothing of the selection can be written.%1").arg(left));
        return false;
    }
    if (!prompts().confirm(
            window, program_title(),
            QObject::tr("You are about to write the disc's values into %1 of the catalogue.%2"
                        "\n\nContinue?")
                .arg(plan.updates.size() == 1 ? QObject::tr("1 album")
                                              : QObject::tr("%1 albums").arg(plan.updates.size()),
                     left)))
        return false;
    QString error;
    if (update_album_fields(catalogue, plan.updates, &error))
        return true;
    prompts().notice(window, program_title(),
                     QObject::tr("The albums could not be updated.\n%1").arg(error),
                     Prompts::Icon::Critical);
    return false;
}

// The one place where "Add Selected" stores albums found only on the disc (an undo history
// records it here): through the import's storing and its duplicate rule, in one write. True
// when it stored some.
bool add_checked_albums(Catalogue& catalogue, QWidget* window, ImportData albums) {
    std::vector<int> all(std::size_t(albums.size()));
    std::iota(all.begin(), all.end(), 0);
    const StoringResult result = add_to_database(albums, all, catalogue);
    if (!result.error.isEmpty()) {
        prompts().notice(window, program_title(),
                         QObject::tr("The albums could not be added.\n%1").arg(result.error),
                         Prompts::Icon::Exclamation);
        return false;
    }
    if (!result.duplicates.isEmpty()) {
        QStringList lines;
        for (const QString& line : result.duplicates)
            lines << QObject::tr("The album %1 already exists.").arg(line);
        prompts().notice(window, program_title(),
                         lines.join(u'\n') +
                             QObject::tr("\nPlease choose a different name for the album or "
                                         "edit the existing one."));
    }
    return result.stored > 0;
}

DiscCheckSetup setup_of(Mainframe& main) {
    const ImportOptions importing = main.gathered_options().importing;
    return {main.state().vinylixdb, importing.foldername, importing.convertlower == 1,
            main.tag_code_page(), chooser_start(importing.path, main.program_folder())};
}

void show_in_browser(Mainframe& main, const StoredAlbum& album) {
    const QString& artist = album.record[Field::Artist];
    const QString& title = album.record[Field::Album];
    if (!main.state().artists->move_to_row(album.rowid))
        main.load_catalogue();
    main.tabs()->setCurrentWidget(main.explore_tab());
    main.explore_tab()->select_artist_and_album(artist, title);
}

void open_disc_check(Mainframe& main) {
    if (!main.require_catalogue())
        return;
    const ExploreTab::Shown shown = main.explore_tab()->shown();
    const DiscCheckSetup setup = setup_of(main);
    Catalogue& catalogue = *setup.catalogue;
    bool written = false;
    DiscCheckWindow window(setup, &main);
    QObject::connect(&window, &DiscCheckWindow::update_requested, &window,
                     [&](const UpdatePlan& plan) {
                         if (update_checked_albums(catalogue, &window, plan)) {
                             written = true;
                             window.recheck();
                         }
                     });
    QObject::connect(&window, &DiscCheckWindow::add_requested, &window,
                     [&](const ImportData& albums) {
                         if (add_checked_albums(catalogue, &window, albums)) {
                             written = true;
                             window.recheck();
                         }
                     });
    prompts().run_modal(window);
    if (written) {
        main.mark_catalogue_changed();
        main.refresh_catalogue();
    }
    if (!main.state().catalogue_open())
        return; // reading it anew failed, and said why
    if (window.chosen())
        show_in_browser(main, *window.chosen());
    else if (written)
        main.explore_tab()->show_again(shown);
}

} // namespace

void wire_check_command(Mainframe& main) {
    QObject::connect(main.menu_command(QStringLiteral("check_mnu")), &QAction::triggered, &main,
                     [&main] { open_disc_check(main); });
}

} // namespace vinylix
