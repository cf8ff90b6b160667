#pragma once

class QWidget;

namespace vinylix {

// The desktop asks a program to end with a signal: SIGTERM when the session ends or from
// `kill`, SIGINT from Ctrl+C in a terminal. Without a handler the program would die on the spot
// and lose its settings; with these two calls it closes its main window in order instead.
//
// catch_termination_requests: call first thing in main(). A request that arrives while the
// program is still starting waits until the main window is up.
void catch_termination_requests();

// From the next turn of the event loop on, a request closes `window` (which saves the
// settings); later requests do nothing more. Call once, when the main window is shown.
void close_on_termination_request(QWidget* window);

} // namespace vinylix
