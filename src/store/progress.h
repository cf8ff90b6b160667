#pragma once

#include <QtGlobal>
#include <functional>

namespace vinylix {

// Reports work done out of a total, and answers whether to go on: false asks the work to stop
// (a long import the user cancels). Called often, so it must be cheap.
using ProgressFn = std::function<bool(qint64 done, qint64 total)>;

// Reports to `progress` when there is one; true (go on) when there is none.
inline bool report_progress(const ProgressFn& progress, qint64 done, qint64 total) {
    return !progress || progress(done, total);
}

} // namespace vinylix
