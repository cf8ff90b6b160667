#pragma once

#include <QHash>
#include <QSet>
#include <vector>

namespace vinylix {

// Distinct values in the order they were first met. Each addition costs one hash look-up, so
// collecting the values of a whole catalogue stays linear in its size.
template <typename T> class FirstMetValues {
public:
    // Adds `value` unless it was met before; true when it was added.
    bool add(const T& value) {
        if (seen_.contains(value))
            return false;
        seen_.insert(value);
        values_.push_back(value);
        return true;
    }

    void clear() {
        seen_.clear();
        values_.clear();
    }

    const std::vector<T>& values() const { return values_; }

private:
    QSet<T> seen_;
    std::vector<T> values_;
};

} // namespace vinylix
