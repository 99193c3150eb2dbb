#include "test_registry.h"

#include <QTest>

#ifdef VAZOLAR_TEST_GUILESS
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#else
#include <QApplication>
using TestApplication = QApplication;
#endif

#include <memory>

namespace vazolar::testing {

std::vector<TestFactory>& registeredTests() {
    static std::vector<TestFactory> tests;
    return tests;
}

} // namespace vazolar::testing

// Runs every test class registered in this program (one test file); the arguments (for
// instance -v2 or a function name) go to each class. Tests of Qt Core-only code run without
// a GUI, as QTEST_GUILESS_MAIN would run them.
int main(int argc, char** argv) {
    TestApplication app(argc, argv);
    int failures = 0;
    for (const auto& factory : vazolar::testing::registeredTests()) {
        std::unique_ptr<QObject> test(factory());
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
