#pragma once

#include <QCommandLineParser>
#include <QString>
#include <optional>

namespace vinylix::cli {

// The command line of the program or of one of its commands, read as QCommandLineParser tools
// read theirs: "-h" or "--help" shows the help on standard output; a wrong command line gives
// its error ("vinylix: Unknown option 'x'.") and the help on standard error, and status 2.
class CommandParser {
public:
    // `usage` is what follows "Usage: vinylix " in the help: "list [options]".
    CommandParser(QString usage, const QString& description);

    QCommandLineParser* operator->() { return &parser_; }
    const QCommandLineParser* operator->() const { return &parser_; }

    // A text the help ends with.
    void set_footer(const QString& footer) { footer_ = footer; }
    // Adds "--catalogue FILE".
    void add_catalogue_option();
    // The catalogue "--catalogue" names, else `given` (named before the command, or empty).
    QString catalogue(const QString& given) const;

    // Reads `arguments` (the program's name first). Nothing when the command goes on; else
    // the status to end with: 0 after showing the help, 2 after a wrong command line.
    std::optional<int> parse(const QStringList& arguments);

    // Reports a wrong command line found in the values: the message, the help, status 2.
    int wrong(const QString& message) const;

    QString help() const;

private:
    QCommandLineParser parser_;
    QString usage_;
    QString footer_;
    QCommandLineOption help_option_;
};

} // namespace vinylix::cli
