// The disc check's command: the window and its two writes, "Update Selected" and "Add Selected",
// each a step of the undo history.
#include "catalogue_commands.h"

#include "import/album_storing.h"
#include "import/disc_check_window.h"
#include "kit/program_title.h"
#include "kit/prompts.h"
#include "store/album_update.h"
#include "store/change_recording.h"
#include "store/shared_state.h"

#include <numeric>

namespace vinylix {

namespace {

QString albums_counted(std::size_t count) {
    return count == 1 ? QObject::tr("1 album") : QObject::tr("%1 albums").arg(count);
}

} // namespace

// The question first, naming what cannot be written, then every album in one write.
bool CatalogueCommands::update_checked_albums(QWidget* parent, const UpdatePlan& plan) {
    const QString left =
        plan.refused.isEmpty()
            ? QString()
            : tr("\n\nThese values are left as they are:\n%1").arg(plan.refused.join(u'\n'));
    if (plan.updates.empty()) {
        prompts().notice(parent, program_title(),
                         tr("Nothing of the selection can be written.%1").arg(left));
        return false;
    }
    ChangeRecording recording(state_.history, state_.vinylixdb);
    const bool written =
        change(parent,
               tr("You are about to write the disc's values into %1 of the catalogue.%2"
                  "\n\nContinue?")
                   .arg(albums_counted(plan.updates.size()), left),
               tr("The albums could not be updated."), [&](QString* error) {
                   return update_album_fields(*state_.vinylixdb, plan.updates, error);
               });
    if (written)
        recording.keep(ChangeKind::Updated);
    return written;
}

// Through the import's storing and its duplicate rule, in one write. True when it stored some.
bool CatalogueCommands::add_checked_albums(QWidget* parent, ImportData albums) {
    std::vector<int> all(std::size_t(albums.size()));
    std::iota(all.begin(), all.end(), 0);
    ChangeRecording recording(state_.history, state_.vinylixdb);
    const StoringResult result = add_to_database(albums, all, *state_.vinylixdb);
    if (result.stored > 0)
        recording.keep(ChangeKind::Added);
    if (!result.error.isEmpty()) {
        prompts().notice(parent, program_title(),
                         tr("The albums could not be added.\n%1").arg(result.error),
                         Prompts::Icon::Exclamation);
        return false;
    }
    if (!result.duplicates.isEmpty()) {
        QStringList lines;
        for (const QString& line : result.duplicates)
            lines << tr("The album %1 already exists.").arg(line);
        prompts().notice(parent, program_title(),
                         lines.join(u'\n') + tr("\nPlease choose a different name for the album "
                                                "or edit the existing one."));
    }
    return result.stored > 0;
}

void CatalogueCommands::open_disc_check(const DiscCheckSetup& setup) {
    DiscCheckWindow window(setup, window_);
    connect(&window, &DiscCheckWindow::update_requested, &window, [&](const UpdatePlan& plan) {
        if (update_checked_albums(&window, plan))
            window.recheck();
    });
    connect(&window, &DiscCheckWindow::add_requested, &window, [&](const ImportData& albums) {
        if (add_checked_albums(&window, albums))
            window.recheck();
    });
    prompts().run_modal(window);
    emit catalogue_may_have_changed(); // the writes went past the main recordset
    if (const auto& chosen = window.chosen())
        emit album_chosen(chosen->record[Field::Artist], chosen->record[Field::Album]);
}

} // namespace vinylix
