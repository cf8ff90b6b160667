#include "catalogue_place.h"
#include "command_parser.h"
#include "commands.h"
#include "console.h"
#include "export/export_list.h"

#include <QDir>
#include <array>

namespace vinylix::cli {

namespace {

// The names "--fields" takes, and the ticks of the export's property boxes they stand for.
struct PropertyName {
    const char16_t* name;
    bool ExportOptions::*tick;
};
constexpr std::array<PropertyName, 6> property_names = {{
    {u"year", &ExportOptions::year},
    {u"cover", &ExportOptions::cover},
    {u"cds", &ExportOptions::nrofcds},
    {u"kbps", &ExportOptions::kbps},
    {u"cd", &ExportOptions::cdnr},
    {u"size", &ExportOptions::size},
}};

// Ticks the properties named in `list` ("year,size") and only them; false for a name that
// stands for none.
bool tick_properties(const QString& list, ExportOptions& options, QString* wrong_name) {
    for (const PropertyName& p : property_names)
        options.*p.tick = false;
    for (const QString& given : list.split(u',', Qt::SkipEmptyParts)) {
        const QString name = given.trimmed().toLower();
        const auto p = std::find_if(property_names.begin(), property_names.end(),
                                    [&](const PropertyName& n) { return name == n.name; });
        if (p == property_names.end()) {
            *wrong_name = given;
            return false;
        }
        options.*p->tick = true;
    }
    return true;
}

std::optional<ListOrder> order_named(const QString& name) {
    if (name == u"artist")
        return ListOrder::Artist;
    if (name == u"album")
        return ListOrder::Album;
    if (name == u"year")
        return ListOrder::Year;
    return std::nullopt;
}

struct ListOptions {
    QCommandLineOption text{QStringLiteral("text"), QStringLiteral("Writes the text list.")};
    QCommandLineOption html{QStringLiteral("html"), QStringLiteral("Writes the HTML list.")};
    QCommandLineOption output{{QStringLiteral("o"), QStringLiteral("output")},
                              QStringLiteral("Writes the list to FILE (replaced whole, and "
                                             "only once the list is complete) instead of "
                                             "standard output."),
                              QStringLiteral("FILE")};
    QCommandLineOption sort{QStringLiteral("sort"),
                            QStringLiteral("Sorts the list by artist (the default), album or "
                                           "year."),
                            QStringLiteral("artist|album|year"), QStringLiteral("artist")};
    QCommandLineOption fields{QStringLiteral("fields"),
                              QStringLiteral("The album properties to list, separated by "
                                             "commas: year, cover, cds, kbps, cd (the shelf "
                                             "disc), size; \"\" lists none."),
                              QStringLiteral("LIST")};
    QCommandLineOption stats{QStringLiteral("stats"), QStringLiteral("Adds the statistics.")};
    QCommandLineOption nickname{QStringLiteral("nickname"),
                                QStringLiteral("Titles the list with the collector's nickname."),
                                QStringLiteral("TEXT")};
    QCommandLineOption email{QStringLiteral("email"),
                             QStringLiteral("Gives the collector's e-mail address under the "
                                            "title."),
                             QStringLiteral("TEXT")};

    void add_to(CommandParser& command) const {
        command->addOptions({text, html, output, sort, fields, stats, nickname, email});
    }
};

// The export's options as the settings file holds them, changed where the command line says.
std::optional<ExportOptions> list_options(const CommandParser& command, const ListOptions& o,
                                          ExportOptions options, QString* wrong) {
    if (command->isSet(o.text) && command->isSet(o.html)) {
        *wrong = QStringLiteral("--text and --html cannot be given together.");
        return std::nullopt;
    }
    if (command->isSet(o.text) || command->isSet(o.html))
        options.savemode = command->isSet(o.text) ? ListKind::Text : ListKind::Html;
    QString name;
    if (command->isSet(o.fields) && !tick_properties(command->value(o.fields), options, &name)) {
        *wrong = QStringLiteral("--fields takes year, cover, cds, kbps, cd and size, not '%1'.")
                     .arg(name);
        return std::nullopt;
    }
    options.statistics = options.statistics || command->isSet(o.stats);
    if (command->isSet(o.nickname)) {
        options.nickstatus = true;
        options.nickname = command->value(o.nickname);
    }
    if (command->isSet(o.email)) {
        options.emailstatus = true;
        options.email = command->value(o.email);
    }
    return options;
}

// Writes the job's list to standard output.
int list_to_standard_output(const std::shared_ptr<Catalogue>& catalogue, const ListJob& job) {
    QString error;
    const auto contents = read_list_contents(catalogue, job, &error);
    if (!contents) {
        say(error);
        return failure;
    }
    put_list(standard_output(), job, *contents);
    return output_written() ? success : failure;
}

int list_to_file(const std::shared_ptr<Catalogue>& catalogue, const ListJob& job) {
    const ListOutcome outcome = write_list(catalogue, job);
    if (outcome.kind == ListOutcome::Kind::Written)
        return success;
    say(QStringLiteral("The list file \"%1\" could not be written: %2")
            .arg(QDir::toNativeSeparators(job.path), outcome.reason));
    return failure;
}

} // namespace

// The text or HTML list, byte for byte the file the export tab writes for the same options.
int run_list(const QStringList& arguments, const QString& catalogue) {
    CommandParser command(
        QStringLiteral("list [options]"),
        QStringLiteral(
            "Writes the text or HTML list of every album, byte for byte the file the export\n"
            "tab writes. The export options kept in the settings file are the defaults; the\n"
            "options below change them for this list only."));
    const ListOptions o;
    o.add_to(command);
    command.add_catalogue_option();
    if (const auto status = command.parse(arguments))
        return *status;
    if (!command->positionalArguments().isEmpty())
        return command.wrong(QStringLiteral("The list command takes no argument."));
    const std::optional<ListOrder> order = order_named(command->value(o.sort));
    if (!order)
        return command.wrong(QStringLiteral("--sort takes artist, album or year, not '%1'.")
                                 .arg(command->value(o.sort)));
    const CataloguePlace place(command.catalogue(catalogue));
    QString wrong;
    const auto options = list_options(command, o, place.options().exporting, &wrong);
    if (!options)
        return command.wrong(wrong);
    const auto opened = place.open_for_reading();
    if (!opened)
        return failure;
    const ListJob job{*options, *order, command->value(o.output), locale_decimal_point(), false};
    return command->isSet(o.output) ? list_to_file(opened, job)
                                    : list_to_standard_output(opened, job);
}

} // namespace vinylix::cli
