#include "app/mainframe.h"
#include "app/single_instance.h"
#include "app/startup.h"
#include "app/termination.h"
#include "cli/command_line.h"
#include "cli/program_mode.h"
#include "kit/icons.h"
#include "settings/data_folder.h"
#include "store/catalogue.h"

#include <QApplication>
#include <QStandardPaths>
#include <cstdio>

int main(int argc, char** argv) {
    // Decided before anything of Qt is made: without a display, Qt's platform plugin would
    // abort the program.
    switch (vinylix::program_mode(argc, argv)) {
    case vinylix::ProgramMode::CommandLine:
        return vinylix::run_command_line(argc, argv);
    case vinylix::ProgramMode::NoDisplay:
        std::fprintf(stderr, "%s\n", qPrintable(vinylix::no_display_message));
        return 1;
    case vinylix::ProgramMode::Windows:
        break;
    }
    vinylix::catch_termination_requests();
    QApplication app(argc, argv);
    // The lower-case name names the user's data folder: ~/.local/share/vinylix.
    QApplication::setApplicationName(QStringLiteral("vinylix"));
    QGuiApplication::setDesktopFileName(vinylix::application_id);
    QApplication::setWindowIcon(vinylix::program_icon());
    const vinylix::DataFolder data = vinylix::choose_data_folder(
        QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    vinylix::SingleInstance instance(vinylix::catalogue_path(data.path));
    if (!instance.claim()) {
        instance.tell_open_elsewhere();
        return 0;
    }
    const auto main_window = vinylix::start_program(data.path, data.error);
    instance.bring_forward_on_request(main_window.get());
    vinylix::close_on_termination_request(main_window.get());
    return QApplication::exec();
}
