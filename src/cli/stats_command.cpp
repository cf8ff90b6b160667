#include "catalogue_place.h"
#include "command_parser.h"
#include "commands.h"
#include "console.h"
#include "store/statistics.h"

namespace vinylix::cli {

// The four figures of the statistics window, one a line under its captions.
int run_stats(const QStringList& arguments, const QString& catalogue) {
    CommandParser command(
        QStringLiteral("stats [options]"),
        QStringLiteral("Shows the statistics of the catalogue, one figure a line, as the\n"
                       "statistics window counts them."));
    command.add_catalogue_option();
    if (const auto status = command.parse(arguments))
        return *status;
    if (!command->positionalArguments().isEmpty())
        return command.wrong(QStringLiteral("The stats command takes no argument."));
    const auto opened = CataloguePlace(command.catalogue(catalogue)).open_for_reading();
    if (!opened)
        return failure;
    QString error;
    const std::optional<Statistics> figures = compute_statistics(opened, &error);
    if (!figures) {
        say(error);
        return failure;
    }
    print_line(QStringLiteral("Number of Artists: %1").arg(figures->number_of_artists));
    print_line(QStringLiteral("Number of Albums: %1").arg(figures->number_of_albums));
    print_line(QStringLiteral("Total Size (MB): %1").arg(figures->total_size_text()));
    print_line(QStringLiteral("Number of Cds: %1").arg(figures->number_of_cds));
    return output_written() ? success : failure;
}

} // namespace vinylix::cli
