#include "catalogue_place.h"
#include "command_parser.h"
#include "commands.h"
#include "console.h"
#include "folder_request.h"
#include "import/album_detection.h"
#include "store/album_batch.h"
#include "store/control_text.h"

namespace vinylix::cli {

namespace {

// "1 album", "2 albums".
QString count_of(qsizetype n, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

// One line per album found and per folder left out, then the summary line.
void report(const ImportRun& run, const std::vector<BatchOutcome>& outcomes,
            const FolderRequest& request, bool dry_run) {
    qsizetype stored = 0;
    for (std::size_t k = 0; k < outcomes.size(); ++k) {
        const QString line = one_line(run.albums[int(k)].line());
        if (outcomes[k] == BatchOutcome::Stored) {
            ++stored;
            print_line((dry_run ? QStringLiteral("new: ") : QStringLiteral("stored: ")) + line);
        } else {
            print_line(QStringLiteral("duplicate: %1 (the catalogue already holds it)").arg(line));
        }
    }
    for (const QString& name : run.unreadable)
        print_line(
            QStringLiteral("refused: %1 (the folder could not be read)").arg(one_line(name)));
    if (run.rejected > 0)
        print_line(QStringLiteral("left out: %1 whose name does not fit the format \"%2\"")
                       .arg(count_of(run.rejected, "folder", "folders"), request.format_text));
    const QString summary =
        QStringLiteral("%1 %2, %3, %4")
            .arg(count_of(stored, "album", "albums"),
                 dry_run ? QStringLiteral("to store") : QStringLiteral("stored"),
                 count_of(qsizetype(outcomes.size()) - stored, "duplicate", "duplicates"),
                 count_of(run.unreadable.size(), "folder refused", "folders refused"));
    print_line(summary +
               (dry_run ? QStringLiteral("; nothing stored (dry run).") : QStringLiteral(".")));
}

} // namespace

// Detects and reads the album folders as the import does, and stores every album found on
// the given shelf disc through the import's storing, with its duplicate rule.
int run_import(const QStringList& arguments, const QString& catalogue) {
    CommandParser command(
        QStringLiteral("import [options] FOLDER --disc N"),
        QStringLiteral(
            "Reads every album folder directly inside FOLDER whose name fits the format, as\n"
            "the import tab does, and stores each album with shelf disc N. An album whose\n"
            "artist already has one of that title is a duplicate and is left out. Prints a\n"
            "line for each album and for each folder left out, then a summary. The case\n"
            "arrangement and the tag code page are the import tab's, from the settings file."));
    const FolderOptions o;
    o.add_to(command);
    const QCommandLineOption dry_run_option(
        QStringLiteral("dry-run"),
        QStringLiteral("Says what would be stored, and stores nothing."));
    command->addOption(dry_run_option);
    command.add_catalogue_option();
    if (const auto status = command.parse(arguments))
        return *status;
    const CataloguePlace place(command.catalogue(catalogue));
    const Options settings = place.options();
    QString wrong;
    const auto request = read_folder_request(command, o, settings.importing.foldername, &wrong);
    if (!request)
        return command.wrong(wrong);
    const bool dry_run = command->isSet(dry_run_option);

    const auto opened = dry_run ? place.open_for_reading() : place.open_for_writing();
    if (!opened)
        return failure;
    std::optional<ImportRun> read = read_requested_folder(*request, settings);
    if (!read)
        return failure;
    ImportRun& run = *read;
    std::vector<AlbumRecord> records;
    for (int k = 0; k < run.albums.size(); ++k) {
        run.albums[k].cd = request->disc;
        run.albums[k].chosen = request->source;
        records.push_back(run.albums[k].record());
    }
    const BatchResult result =
        dry_run ? try_albums(*opened, records) : add_albums(*opened, records);
    if (!result.ok) {
        say(QStringLiteral("No album was stored: %1").arg(result.error));
        return failure;
    }
    report(run, result.outcomes, *request, dry_run);
    return output_written() ? success : failure;
}

} // namespace vinylix::cli
