#include "program_mode.h"

#include <QtGlobal>
#include <algorithm>
#include <array>
#include <string_view>

namespace vinylix {

namespace {

// The toolkit's own options for windows (given with one dash or two), which start the windows
// as they always did.
constexpr std::array<std::string_view, 15> window_options = {
    "platform",        "platformpluginpath",
    "platformtheme",   "plugin",
    "qwindowgeometry", "qwindowicon",
    "qwindowtitle",    "reverse",
    "session",         "display",
    "geometry",        "style",
    "stylesheet",      "widgetcount",
    "qmljsdebugger"};

// The name of an option argument without its dashes and value: "--style=x" -> "style".
std::string_view option_name(std::string_view argument) {
    argument = argument.substr(0, argument.find('='));
    if (argument.starts_with("--"))
        return argument.substr(2);
    if (argument.starts_with("-"))
        return argument.substr(1);
    return {};
}

bool is_window_option(std::string_view argument) {
    const std::string_view name = option_name(argument);
    return !name.empty() &&
           std::find(window_options.begin(), window_options.end(), name) != window_options.end();
}

bool display_given(int argc, const char* const* argv) {
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (!qEnvironmentVariableIsEmpty(variable))
            return true;
    }
    for (int i = 1; i < argc; ++i) {
        if (option_name(argv[i]) == "platform")
            return true;
    }
    return false;
}

} // namespace

ProgramMode program_mode(int argc, const char* const* argv) {
    if (argc > 1 && !is_window_option(argv[1]))
        return ProgramMode::CommandLine;
    return display_given(argc, argv) ? ProgramMode::Windows : ProgramMode::NoDisplay;
}

} // namespace vinylix
