#pragma once

#include "store/whole_file.h"

#include <QByteArrayView>
#include <QString>

namespace vinylix::cli {

// How a command ends, as command-line tools end: 0 when it did its work, 1 when the work failed
// (a catalogue that cannot be opened, an unreadable folder, a full disk), 2 for a wrong
// command line.
enum Status : int { success = 0, failure = 1, wrong_usage = 2 };

// Writes `bytes` to standard output as they are; false when they could not be written.
bool write_out(QByteArrayView bytes);

// Writes `line` to standard output in UTF-8, ended by a line feed.
bool print_line(const QString& line);

// Standard output as the sink of a list made piece by piece.
FileSink standard_output();

// Ends the output: flushes standard output and tells whether every byte of it was written
// (a full disk says so only now); when not, says why on standard error.
bool output_written();

// A message in the program's own words on standard error: "vinylix: " + `message`.
void say(const QString& message);

// Writes `text` to standard error as it is (a usage text).
void say_plain(const QString& text);

} // namespace vinylix::cli
