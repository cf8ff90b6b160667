#pragma once

#include <cstddef>
#include <exception>
#include <optional>
#include <system_error>
#include <thread>

namespace vinylix {

// Work split between the two cores of the machine: the start-up's read and sort of a large
// catalogue, the song search's read of one, and the counts behind the statistics' charts.
//
// What each thread may touch: `first` and `second` may both read what neither of them writes,
// and each may write only what is its own (its half of a result, its own connection); neither
// may touch a window, the main window's connection or anything another thread writes.
// An exception thrown on the second thread is caught there and thrown again on the calling
// thread once both are done, so it never ends the program; when no thread can be started,
// `second` runs on the calling thread after `first`.
template <typename First, typename Second> void run_on_two_threads(First&& first, Second&& second) {
    std::exception_ptr failed;
    std::optional<std::jthread> other;
    try {
        other.emplace([&] {
            try {
                second();
            } catch (...) {
                failed = std::current_exception();
            }
        });
    } catch (const std::system_error&) {
        first();
        second();
        return;
    }
    first(); // on a throw, `other` joins as it goes
    other->join();
    if (failed)
        std::rethrow_exception(failed);
}

// Runs `work(begin, end)` over [0, count): in two halves on two threads when `count` is at least
// `threshold` (below it, starting a thread costs more than it saves), else whole on the calling
// thread. The rules above apply to each half.
template <typename Work>
void split_in_two(std::size_t count, std::size_t threshold, const Work& work) {
    if (count < threshold) {
        work(std::size_t(0), count);
        return;
    }
    const std::size_t half = count / 2;
    run_on_two_threads([&] { work(std::size_t(0), half); }, [&] { work(half, count); });
}

} // namespace vinylix
