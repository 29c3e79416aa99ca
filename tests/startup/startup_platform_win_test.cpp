// What the start-up takes from Windows itself: the command line and the text
// settings of the user's system.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "startup/command_line.h"
#include "startup/text_conversions.h"
#include "startup/text_locale_win.h"

namespace zent {
namespace {

// Whether ctest runs it bare or a developer adds flags, the argument text is
// what follows the program's own path, perhaps behind the quotation mark the
// shell put around the first argument.
TEST(StartupPlatformTest, TheArgumentTextOfThisProcessStartsWithItsFirstArgument) {
    const std::string argument = ArgumentText(GetCommandLineA());
    if (__argc < 2 || __argv[1] == nullptr) {
        EXPECT_EQ(argument, "");
    } else {
        EXPECT_LE(argument.find(__argv[1]), 1u) << argument;
    }
    EXPECT_EQ(argument.find("startup_tests"), std::string::npos) << argument;
}

class SystemTextLocaleTest : public ::testing::Test {
protected:
    void SetUp() override { UseSystemTextLocale(); }
    void TearDown() override { CurrentTextLocale() = TextLocale{}; }
};

TEST_F(SystemTextLocaleTest, TakesTheUsersDecimalSeparator) {
    char separator[8] = {};
    ASSERT_GT(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator), 0);
    EXPECT_EQ(CurrentTextLocale().decimalSeparator, separator[0]);
    EXPECT_EQ(FileNumber(87.5), std::string(" 87") + separator[0] + "5 ");
}

TEST_F(SystemTextLocaleTest, UpperCasesLettersBeyondAsciiByTheCodePage) {
    if (GetACP() != 1252) {
        GTEST_SKIP() << "the example letters are those of code page 1252, not " << GetACP();
    }
    EXPECT_EQ(UpperCase("caf\xE9 \xF1o\xF1o \xE6"), "CAF\xC9 \xD1O\xD1O \xC6");
    EXPECT_EQ(UpperCase("12|x"), "12|X");
}

}  // namespace
}  // namespace zent
