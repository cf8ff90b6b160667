#include "catalogue_place.h"
#include "command_parser.h"
#include "commands.h"
#include "console.h"
#include "import/album_detection.h"
#include "store/album_batch.h"
#include "store/control_text.h"
#include "store/disc_number.h"

#include <QDir>

namespace vinylix::cli {

namespace {

std::optional<SongSource> source_named(const QString& name) {
    if (name == u"files")
        return SongSource::FileNames;
    if (name == u"playlist")
        return SongSource::Playlists;
    if (name == u"tags")
        return SongSource::Tags;
    return std::nullopt;
}

// "1 album", "2 albums".
QString count_of(qsizetype n, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

struct ImportOptions {
    QCommandLineOption disc{QStringLiteral("disc"),
                            QStringLiteral("The shelf disc that holds the albums (required)."),
                            QStringLiteral("N")};
    QCommandLineOption format{QStringLiteral("format"),
                              QStringLiteral("How the album folders are named: %1 stands for "
                                             "the artist, %2 for the album. Default: the "
                                             "import tab's format."),
                              QStringLiteral("PATTERN")};
    QCommandLineOption source{QStringLiteral("source"),
                              QStringLiteral("Where the song names come from: the file names "
                                             "(the default), the playlists or the tags."),
                              QStringLiteral("files|playlist|tags"), QStringLiteral("files")};
    QCommandLineOption dry_run{QStringLiteral("dry-run"),
                               QStringLiteral("Says what would be stored, and stores nothing.")};
};

// What the command line asks of one import.
struct ImportRequest {
    QString folder;
    QString disc;
    FolderNameFormat format;
    QString format_text;
    SongSource source = SongSource::FileNames;
    bool dry_run = false;
};

// Reads the request, the settings' format as the default; a wrong value in `wrong`.
std::optional<ImportRequest> read_request(const CommandParser& command, const ImportOptions& o,
                                          const QString& default_format, QString* wrong) {
    ImportRequest request;
    const QStringList folders = command->positionalArguments();
    if (folders.size() != 1 || folders.front().isEmpty()) {
        *wrong = QStringLiteral("The import command takes one folder.");
        return std::nullopt;
    }
    request.folder = folders.front();
    request.disc = command->value(o.disc);
    if (!is_disc_number(request.disc)) {
        *wrong =
            command->isSet(o.disc)
                ? QStringLiteral("--disc takes a shelf disc number, not '%1'.").arg(request.disc)
                : QStringLiteral("The shelf disc of the albums must be given with --disc.");
        return std::nullopt;
    }
    const std::optional<SongSource> source = source_named(command->value(o.source));
    if (!source) {
        *wrong = QStringLiteral("--source takes files, playlist or tags, not '%1'.")
                     .arg(command->value(o.source));
        return std::nullopt;
    }
    request.source = *source;
    request.format_text = command->isSet(o.format) ? command->value(o.format) : default_format;
    const FolderNameFormat::Split split = FolderNameFormat::split(request.format_text);
    if (!split.format) {
        *wrong = split.reason;
        return std::nullopt;
    }
    request.format = *split.format;
    request.dry_run = command->isSet(o.dry_run);
    return request;
}

// One line per album found and per folder left out, then the summary line.
void report(const ImportRun& run, const std::vector<BatchOutcome>& outcomes,
            const ImportRequest& request) {
    qsizetype stored = 0;
    for (std::size_t k = 0; k < outcomes.size(); ++k) {
        const QString line = one_line(run.albums[int(k)].line());
        if (outcomes[k] == BatchOutcome::Stored) {
            ++stored;
            print_line((request.dry_run ? QStringLiteral("new: ") : QStringLiteral("stored: ")) +
                       line);
        } else {
            print_line(QStringLiteral("duplicate: %1 (the catalogue already holds it)").arg(line));
        }
    }
    for (const QString& name : run.unreadable)
        print_line(
            QStringLiteral("refused: %1 (the folder could not be read)").arg(one_line(name)));
    for (const QString& name : run.rejected)
        print_line(QStringLiteral("refused: %1 (the name does not fit the format \"%2\")")
                       .arg(one_line(name), request.format_text));
    const QString summary =
        QStringLiteral("%1 %2, %3, %4")
            .arg(count_of(stored, "album", "albums"),
                 request.dry_run ? QStringLiteral("to store") : QStringLiteral("stored"),
                 count_of(qsizetype(outcomes.size()) - stored, "duplicate", "duplicates"),
                 count_of(run.unreadable.size() + run.rejected.size(), "folder refused",
                          "folders refused"));
    print_line(summary + (request.dry_run ? QStringLiteral("; nothing stored (dry run).")
                                          : QStringLiteral(".")));
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
    const ImportOptions o;
    command->addOptions({o.disc, o.format, o.source, o.dry_run});
    command.add_catalogue_option();
    command->addPositionalArgument(QStringLiteral("FOLDER"),
                                   QStringLiteral("The folder that holds the album folders."));
    if (const auto status = command.parse(arguments))
        return *status;
    const CataloguePlace place(command.catalogue(catalogue));
    const Options settings = place.options();
    QString wrong;
    const auto request = read_request(command, o, settings.importing.foldername, &wrong);
    if (!request)
        return command.wrong(wrong);

    const auto opened = request->dry_run ? place.open_for_reading() : place.open_for_writing();
    if (!opened)
        return failure;
    ImportRun run = import_albums(request->folder, request->format, settings.importing.convertlower,
                                  {}, {}, settings.code_page);
    if (!run.root_read) {
        say(QStringLiteral("The folder %1 could not be read.")
                .arg(QDir::toNativeSeparators(request->folder)));
        return failure;
    }
    std::vector<AlbumRecord> records;
    for (int k = 0; k < run.albums.size(); ++k) {
        run.albums[k].cd = request->disc;
        run.albums[k].chosen = request->source;
        records.push_back(run.albums[k].record());
    }
    const BatchResult result =
        request->dry_run ? try_albums(*opened, records) : add_albums(*opened, records);
    if (!result.ok) {
        say(QStringLiteral("No album was stored: %1").arg(result.error));
        return failure;
    }
    report(run, result.outcomes, *request);
    return output_written() ? success : failure;
}

} // namespace vinylix::cli
