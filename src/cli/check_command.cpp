#include "catalogue_place.h"
#include "command_parser.h"
#include "commands.h"
#include "console.h"
#include "folder_request.h"
#include "import/disc_check.h"
#include "import/disc_check_texts.h"
#include "store/disc_number.h"

namespace vinylix::cli {

// The disc check of a folder against the catalogue's albums of a shelf disc: the report the
// disc-check window copies and saves, with the system's line ends.
int run_check(const QStringList& arguments, const QString& catalogue) {
    CommandParser command(
        QStringLiteral("check [options] FOLDER --disc N"),
        QStringLiteral(
            "Reads the album folders inside FOLDER as the import does and holds them against\n"
            "the albums the catalogue keeps under shelf disc N, as Check a Disc does: the\n"
            "albums alike, those that differ and in which fields, those only on the disc and\n"
            "those only in the catalogue. Prints the report; nothing is written."));
    const FolderOptions o;
    o.add_to(command);
    command.add_catalogue_option();
    if (const auto status = command.parse(arguments))
        return *status;
    const CataloguePlace place(command.catalogue(catalogue));
    const Options settings = place.options();
    QString wrong;
    const auto request = read_folder_request(command, o, settings.importing.foldername, &wrong);
    if (!request)
        return command.wrong(wrong);

    const auto opened = place.open_for_reading();
    if (!opened)
        return failure;
    const std::optional<ImportRun> run = read_requested_folder(*request, settings);
    if (!run)
        return failure;
    const QString disc = disc_number_text(request->disc);
    DiscCatalogue stored;
    QString error;
    if (!read_disc_catalogue(*opened, disc, run->albums, stored, &error)) {
        say(error);
        return failure;
    }
    const DiscCheck check = check_disc(disc, request->folder, *run, request->source, stored);
    write_out(check_report(check).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).toUtf8());
    return output_written() ? success : failure;
}

} // namespace vinylix::cli
