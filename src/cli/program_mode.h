#pragma once

#include <QString>

namespace vinylix {

// What a start of the program does.
enum class ProgramMode {
    Windows,     // no argument, or only the toolkit's own window options ("-platform offscreen")
    NoDisplay,   // windows wanted, but there is no display to show them on
    CommandLine, // a command, or the options of the command line ("--help", "--version")
};

// Decides from the arguments (the program's name first) and the environment, before anything
// of Qt is made. Windows need DISPLAY or WAYLAND_DISPLAY, or a platform chosen with
// QT_QPA_PLATFORM or "-platform" (offscreen windows included):
//   {"vinylix"}                 -> Windows, or NoDisplay without any of them
//   {"vinylix", "--help"}       -> CommandLine, with or without a display
//   {"vinylix", "stats"}        -> CommandLine
//   {"vinylix", "-style", "x"}  -> Windows
ProgramMode program_mode(int argc, const char* const* argv);

// The one line a start without a display prints before it ends with status 1.
inline const QString no_display_message = QStringLiteral(
    "vinylix: no graphical display (DISPLAY or WAYLAND_DISPLAY); see vinylix --help");

} // namespace vinylix
