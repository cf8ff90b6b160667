#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

namespace vinylix::test {

using TestFactory = std::function<std::unique_ptr<QObject>()>;

// Every test class registers itself; the shared main runs them all in order.
std::vector<TestFactory>& registry();

struct Registration {
    explicit Registration(TestFactory factory) { registry().push_back(std::move(factory)); }
};

} // namespace vinylix::test

#define VINYLIX_TEST(Class)                                                                        \
    static const ::vinylix::test::Registration vinylix_registration_##Class{                       \
        [] { return std::unique_ptr<QObject>(new Class); }};
