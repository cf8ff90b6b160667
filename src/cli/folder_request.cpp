#include "folder_request.h"

#include "console.h"
#include "import/disc_check_input.h"

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

} // namespace

void FolderOptions::add_to(CommandParser& command) const {
    command->addOptions({disc, format, source});
    command->addPositionalArgument(QStringLiteral("FOLDER"),
                                   QStringLiteral("The folder that holds the album folders."));
}

std::optional<FolderRequest> read_folder_request(const CommandParser& command,
                                                 const FolderOptions& options,
                                                 const QString& default_format, QString* wrong) {
    FolderRequest request;
    const QStringList folders = command->positionalArguments();
    if (folders.size() != 1 || folders.front().isEmpty()) {
        *wrong = QStringLiteral("One folder of album folders must be given.");
        return std::nullopt;
    }
    request.folder = folders.front();
    if (!command->isSet(options.disc)) {
        *wrong = QStringLiteral("The shelf disc must be given with --disc.");
        return std::nullopt;
    }
    request.disc = command->value(options.disc);
    if (const DiscEntry entry = entered_disc_number(request.disc); !entry.disc) {
        *wrong = entry.refusal;
        return std::nullopt;
    }
    const std::optional<SongSource> source = source_named(command->value(options.source));
    if (!source) {
        *wrong = QStringLiteral("--source takes files, playlist or tags, not '%1'.")
                     .arg(command->value(options.source));
        return std::nullopt;
    }
    request.source = *source;
    request.format_text =
        command->isSet(options.format) ? command->value(options.format) : default_format;
    const FolderNameFormat::Split split = FolderNameFormat::split(request.format_text);
    if (!split.format) {
        *wrong = split.reason;
        return std::nullopt;
    }
    request.format = *split.format;
    return request;
}

std::optional<ImportRun> read_requested_folder(const FolderRequest& request,
                                               const Options& settings) {
    ImportRun run = import_albums(request.folder, request.format, settings.importing.convertlower,
                                  {}, {}, settings.code_page);
    if (!run.root_read) {
        say(unread_root_text(request.folder));
        return std::nullopt;
    }
    return run;
}

} // namespace vinylix::cli
