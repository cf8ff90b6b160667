#include "startup.h"

#include "kit/enter_presses_buttons.h"
#include "kit/program_title.h"
#include "kit/prompts.h"
#include "mainframe.h"
#include "settings/settings_file.h"
#include "splash_window.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <csignal>

namespace vinylix {

void ignore_file_size_signal() {
    std::signal(SIGXFSZ, SIG_IGN);
}

std::unique_ptr<Mainframe> start_program(const QString& program_folder,
                                         const QString& folder_problem) {
    ignore_file_size_signal();
    make_enter_press_buttons(*QCoreApplication::instance());
    SplashWindow splash;
    splash.logo()->setText(program_title());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        splash.move(screen->availableGeometry().center() - splash.rect().center());
    splash.show_painted();

    auto main = std::make_unique<Mainframe>(program_folder);
    main->load_settings();
    const bool opened = main->load_catalogue(splash.progress_box());
    if (!opened) {
        QString text = main->catalogue_error_text();
        if (!folder_problem.isEmpty())
            text += QStringLiteral("\n\n") + folder_problem;
        prompts().notice(&splash, program_title(), text);
    }
    main->show();
    splash.close();
    return main;
}

} // namespace vinylix
