#include "test_registry.h"

#include <QApplication>
#include <QTest>

#include <memory>

namespace vazolar::testing {

std::vector<TestFactory>& registeredTests() {
    static std::vector<TestFactory> tests;
    return tests;
}

} // namespace vazolar::testing

// Runs every test class registered in this program (one test file); the arguments (for
// instance -v2 or a function name) go to each class.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failures = 0;
    for (const auto& factory : vazolar::testing::registeredTests()) {
        std::unique_ptr<QObject> test(factory());
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
