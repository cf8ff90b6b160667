#include "test_registry.h"

#include <QApplication>
#include <QTest>

namespace vinylix::test {

std::vector<TestFactory>& registry() {
    static std::vector<TestFactory> factories;
    return factories;
}

} // namespace vinylix::test

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    int failures = 0;
    for (const auto& factory : vinylix::test::registry()) {
        auto test = factory();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
