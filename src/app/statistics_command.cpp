#include "statistics_command.h"

#include "app/mainframe.h"
#include "app/shelf_command.h"
#include "browse/explore_tab.h"
#include "browse/statistics_window.h"
#include "kit/prompts.h"
#include "kit/wait_cursor.h"
#include "search/fields_tab.h"
#include "shelf/shelf_media.h"

#include <QDate>
#include <QTabWidget>
#include <memory>

namespace vinylix {

namespace {

void show_choice(Mainframe& main, const ChartChoice& choice) {
    switch (choice.kind) {
    case ChartKind::Years:
    case ChartKind::Bitrates:
        if (auto* fields = main.tabs()->findChild<FieldsTab*>()) {
            main.tabs()->setCurrentWidget(fields);
            fields->show_value(choice.kind == ChartKind::Years ? BrowsedField::Year
                                                               : BrowsedField::Kbps,
                               choice.value);
        }
        return;
    case ChartKind::Artists:
        main.tabs()->setCurrentWidget(main.explore_tab());
        main.explore_tab()->select_artist_and_album(choice.value, QString());
        return;
    case ChartKind::Shelf:
        open_shelf(main, choice.value);
        return;
    }
}

} // namespace

void open_statistics(Mainframe& main) {
    if (!main.require_catalogue())
        return;
    const Medium& medium = medium_for(main.gathered_options().medium);
    std::unique_ptr<StatisticsWindow> window;
    {
        const WaitCursor busy;
        // The rows in memory are the file's: require_catalogue read what changed since.
        StatisticsRequest request{
            catalogue_charts(*main.state().artists, QDate::currentDate().year()),
            {medium.name, medium.megabytes}};
        window = std::make_unique<StatisticsWindow>(std::move(request), &main);
    }
    prompts().run_modal(*window);
    const std::optional<ChartChoice> choice = window->outcome();
    window.reset();
    if (choice)
        show_choice(main, *choice);
}

} // namespace vinylix
