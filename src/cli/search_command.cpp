#include "catalogue_place.h"
#include "command_parser.h"
#include "commands.h"
#include "console.h"
#include "search/cl_search.h"
#include "store/control_text.h"
#include "store/recordset.h"

#include <limits>

namespace vinylix::cli {

namespace {

// The fields "--in" names, as the search tab's field list offers them.
std::optional<SearchField> field_named(const QString& name) {
    if (name == u"artist")
        return SearchField::Artist;
    if (name == u"album")
        return SearchField::Album;
    if (name == u"song")
        return SearchField::Songs;
    return std::nullopt;
}

} // namespace

// The search tab's result lines, one a line; no line when nothing is found.
int run_search(const QStringList& arguments, const QString& catalogue) {
    CommandParser command(
        QStringLiteral("search [options] TEXT"),
        QStringLiteral(
            "Lists the albums whose artist or album name holds TEXT, as \"Artist - Album\",\n"
            "or the song lines that hold it (a line once for each time it holds it), letter\n"
            "case aside, as the search tab does. Nothing is listed when nothing is found."));
    const QCommandLineOption in_option(QStringLiteral("in"),
                                       QStringLiteral("Searches the artist names (the default), "
                                                      "the album names or the songs."),
                                       QStringLiteral("artist|album|song"),
                                       QStringLiteral("artist"));
    command->addOption(in_option);
    command.add_catalogue_option();
    command->addPositionalArgument(QStringLiteral("TEXT"), QStringLiteral("The text to find."));
    if (const auto status = command.parse(arguments))
        return *status;
    const QStringList texts = command->positionalArguments();
    if (texts.size() != 1 || texts.front().isEmpty())
        return command.wrong(QStringLiteral("The search command takes one text to find."));
    const std::optional<SearchField> field = field_named(command->value(in_option));
    if (!field)
        return command.wrong(QStringLiteral("--in takes artist, album or song, not '%1'.")
                                 .arg(command->value(in_option)));

    const auto opened = CataloguePlace(command.catalogue(catalogue)).open_for_reading();
    if (!opened)
        return failure;
    QString error;
    const auto artists = Recordset::open(opened, Query::Main, &error);
    if (!artists) {
        say(error);
        return failure;
    }
    CL_Search search(std::numeric_limits<int>::max()); // every album read before it returns
    search.search_records(artists.get(), texts.front(), *field, &error);
    if (!error.isEmpty()) {
        say(error);
        return failure;
    }
    // "(Nothing found)" is the only line that names no album.
    Catalogue* read_from = &artists->catalogue();
    if (!search.display_info(0, read_from))
        return output_written() ? success : failure;
    for (int line = 0; line < search.line_count(); ++line) {
        if (!print_line(one_line(search.line(line, read_from))))
            break;
    }
    return output_written() ? success : failure;
}

} // namespace vinylix::cli
