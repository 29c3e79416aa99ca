#pragma once
// A text that must hold a part, for EXPECT_TRUE: a failure shows both, so the
// message the launcher showed is read in the test's output.

#include <gtest/gtest.h>

#include <string>

namespace zent {

inline ::testing::AssertionResult Holds(const std::string& text, const std::string& part) {
    if (text.find(part) != std::string::npos) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "\"" << part << "\" is not in\n" << text;
}

}  // namespace zent
