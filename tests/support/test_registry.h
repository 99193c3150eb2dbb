#pragma once

#include <QObject>

#include <functional>
#include <vector>

// Each test class registers itself with VAZOLAR_TEST(Class); a folder's test program runs
// every class it links, so a new test file needs no change anywhere else.
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
