#pragma once
// The launcher's process-wide state as a fresh process holds it, so that no test
// sees what an earlier one left behind.

#include <gtest/gtest.h>

namespace zent::testing {

// The options and the games, the launch state, the game being added, the text
// locale, the program folder and the file system back to their start values.
void ResetGlobals();

// A test that starts and ends with fresh globals.
class FreshGlobalsTest : public ::testing::Test {
protected:
    void SetUp() override { ResetGlobals(); }
    void TearDown() override { ResetGlobals(); }
};

}  // namespace zent::testing
