#pragma once

#include "command_parser.h"
#include "import/album_detection.h"
#include "import/album_folder.h"
#include "import/folder_name_format.h"
#include "settings/options.h"

#include <QCommandLineOption>
#include <QString>
#include <optional>

namespace vinylix::cli {

// What the import and the disc check take from the command line: a folder of album folders,
// the shelf disc, how the album folders are named and where the song names come from.
struct FolderRequest {
    QString folder;
    QString disc; // as typed: digits only
    FolderNameFormat format;
    QString format_text;
    SongSource source = SongSource::FileNames;
};

// Their options: "--disc N", "--format PATTERN", "--source files|playlist|tags".
struct FolderOptions {
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

    // Adds them and the argument FOLDER.
    void add_to(CommandParser& command) const;
};

// Reads the request after parsing, the import tab's format `default_format` unless "--format"
// gives one; nothing, with what is wrong in `wrong`, when the command line is wrong.
std::optional<FolderRequest> read_folder_request(const CommandParser& command,
                                                 const FolderOptions& options,
                                                 const QString& default_format, QString* wrong);

// The album folders the request names, read as the import tab reads them (its case arrangement
// and tag code page from `settings`); nothing, said on standard error, when the folder cannot be
// read.
std::optional<ImportRun> read_requested_folder(const FolderRequest& request,
                                               const Options& settings);

} // namespace vinylix::cli
