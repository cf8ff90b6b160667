#pragma once

#include <QString>
#include <memory>

namespace vinylix {

class Mainframe;

// Makes a write past the file-size limit fail with an error, which the writer handles (a tag
// write restores the file), instead of ending the program: SIGXFSZ is ignored. start_program
// calls it first.
void ignore_file_size_signal();

// Starts the program behind its splash window: reads the options, opens the catalogue and
// lists its artists with progress, then shows the main window. A catalogue that cannot be
// opened is reported once, followed by `folder_problem` when given (why the folder or its
// first catalogue could not be made); the main window then opens with empty lists. From then on
// Enter presses the focused button in every window (make_enter_press_buttons).
std::unique_ptr<Mainframe> start_program(const QString& program_folder,
                                         const QString& folder_problem = {});

} // namespace vinylix
