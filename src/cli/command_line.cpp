#include "command_line.h"

#include "command_parser.h"
#include "commands.h"
#include "console.h"

#include <QCoreApplication>
#include <array>

namespace vinylix {

namespace {

using namespace cli;

struct Command {
    QString name;
    QString summary; // its line in the program's help
    int (*run)(const QStringList& arguments, const QString& catalogue);
};

const std::array<Command, 5>& commands() {
    static const std::array<Command, 5> all = {{
        {QStringLiteral("list"),
         QStringLiteral("writes the text or HTML list of the catalogue, as the export does"),
         run_list},
        {QStringLiteral("import"),
         QStringLiteral("stores the albums of a folder of album folders on a shelf disc"),
         run_import},
        {QStringLiteral("search"),
         QStringLiteral("lists the albums or songs whose names hold a text"), run_search},
        {QStringLiteral("stats"), QStringLiteral("shows the statistics of the catalogue"),
         run_stats},
        {QStringLiteral("check"),
         QStringLiteral("holds a folder of album folders against a shelf disc's albums"),
         run_check},
    }};
    return all;
}

const Command* command_named(const QString& name) {
    for (const Command& command : commands()) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

QString program_description() {
    QString text = QStringLiteral(
        "Vinylix catalogues a music collection kept as MP3 files burnt on CDs. Without a\n"
        "command it starts its windows; a command does its work without them, and without\n"
        "a display.\n\n"
        "Commands:\n");
    for (const Command& command : commands())
        text += QStringLiteral("  %1  %2\n").arg(command.name.leftJustified(7), command.summary);
    text.chop(1);
    return text;
}

QString version() {
    return QStringLiteral("%1.%2.%3")
        .arg(VINYLIX_VERSION_MAJOR)
        .arg(VINYLIX_VERSION_MINOR)
        .arg(VINYLIX_VERSION_PATCH);
}

} // namespace

int run_command_line(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // The lower-case name names the user's data folder, as for the windows.
    QCoreApplication::setApplicationName(QStringLiteral("vinylix"));
    QCoreApplication::setApplicationVersion(version());

    CommandParser program(QStringLiteral("[options] COMMAND [command options]"),
                          program_description());
    const QCommandLineOption version_option({QStringLiteral("v"), QStringLiteral("version")},
                                            QStringLiteral("Shows the program's version."));
    program->addOption(version_option);
    program.set_footer(
        QStringLiteral("Run \"vinylix COMMAND --help\" for the options of a command."));
    program.add_catalogue_option();
    program->addPositionalArgument(QStringLiteral("COMMAND"),
                                   QStringLiteral("list, import, search, stats or check."));
    // What follows the command is the command's own.
    program->setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    if (const auto status = program.parse(QCoreApplication::arguments()))
        return *status;
    if (program->isSet(version_option)) {
        print_line(QStringLiteral("vinylix ") + version());
        return output_written() ? success : failure;
    }
    QStringList rest = program->positionalArguments();
    if (rest.isEmpty())
        return program.wrong(QStringLiteral("No command was given."));
    const Command* command = command_named(rest.takeFirst());
    if (!command)
        return program.wrong(QStringLiteral("Unknown command '%1'.")
                                 .arg(program->positionalArguments().constFirst()));
    rest.prepend(QCoreApplication::arguments().constFirst());
    return command->run(rest, program.catalogue({}));
}

} // namespace vinylix
