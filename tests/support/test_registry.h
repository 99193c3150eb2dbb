#pragma once

#include <QObject>

#include <functional>
#include <vector>

// Each test class registers itself with VAZOLAR_TEST(Class); the test program of its file runs
// every class registered in it.
namespace vazolar::testing {

using TestFactory = std::function<QObject*()>;

std::vector<TestFactory>& registeredTests();

struct TestRegistration {
    explicit TestRegistration(TestFactory factory) {
        registeredTests().push_back(std::move(factory));
    }
};

} // namespace vazolar::testing

#define VAZOLAR_TEST(Class)                                                                        \
    static const vazolar::testing::TestRegistration registration_##Class {                         \
        [] { return static_cast<QObject*>(new Class); }                                            \
    }
