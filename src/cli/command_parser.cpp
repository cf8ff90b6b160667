#include "command_parser.h"

#include "console.h"

namespace vinylix::cli {

namespace {

const QString catalogue_option = QStringLiteral("catalogue");

} // namespace

CommandParser::CommandParser(QString usage, const QString& description)
    : usage_(std::move(usage)), help_option_({QStringLiteral("h"), QStringLiteral("help")},
                                             QStringLiteral("Shows this help.")) {
    parser_.setApplicationDescription(description);
    parser_.addOption(help_option_);
}

void CommandParser::add_catalogue_option() {
    parser_.addOption({catalogue_option,
                       QStringLiteral("Uses the catalogue FILE instead of the one the windows "
                                      "use."),
                       QStringLiteral("FILE")});
}

QString CommandParser::catalogue(const QString& given) const {
    return parser_.isSet(catalogue_option) ? parser_.value(catalogue_option) : given;
}

std::optional<int> CommandParser::parse(const QStringList& arguments) {
    if (!parser_.parse(arguments))
        return wrong(parser_.errorText());
    if (parser_.isSet(help_option_)) {
        write_out(help().toUtf8());
        return output_written() ? success : failure;
    }
    return std::nullopt;
}

int CommandParser::wrong(const QString& message) const {
    say(message);
    say_plain(u'\n' + help());
    return wrong_usage;
}

QString CommandParser::help() const {
    // Qt's help starts with its own usage line; ours names the command and its arguments.
    QString text = parser_.helpText();
    text.remove(0, text.indexOf(u'\n'));
    if (!footer_.isEmpty())
        text += u'\n' + footer_ + u'\n';
    return QStringLiteral("Usage: vinylix ") + usage_ + text;
}

} // namespace vinylix::cli
