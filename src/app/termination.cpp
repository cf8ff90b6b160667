#include "termination.h"

#include <QSocketNotifier>
#include <QWidget>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace vinylix {

namespace {

// The signal handler may only make async-signal-safe calls: it writes one byte to a pipe,
// which the event loop reads.
int request_pipe[2] = {-1, -1};

void on_request(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(request_pipe[1], &byte, 1);
}

} // namespace

void catch_termination_requests() {
    if (request_pipe[0] >= 0 || ::pipe2(request_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    struct sigaction action = {};
    action.sa_handler = on_request;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
}

void close_on_termination_request(QWidget* window) {
    if (request_pipe[0] < 0 || !window)
        return;
    auto* notifier = new QSocketNotifier(request_pipe[0], QSocketNotifier::Read, window);
    QObject::connect(notifier, &QSocketNotifier::activated, window, [window] {
        char bytes[16];
        while (::read(request_pipe[0], bytes, sizeof bytes) > 0) {
        }
        window->close();
    });
}

} // namespace vinylix
