// What the start-up takes from Windows itself: the command line and the text
// settings of the user's system.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "startup/command_line.h"
#include "startup/text_conversions.h"
#include "startup/text_locale_win.h"
#include "test_globals.h"

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

class SystemTextLocaleTest : public testing::FreshGlobalsTest {
protected:
    void SetUp() override { UseSystemTextLocale(); }
};

TEST_F(SystemTextLocaleTest, TakesTheUsersDecimalSeparator) {
    char separator[8] = {};
    ASSERT_GT(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator), 0);
    EXPECT_EQ(CurrentTextLocale().decimalSeparator, separator[0]);
    EXPECT_EQ(FileNumber(87.5), std::string(" 87") + separator[0] + "5 ");
}

TEST_F(SystemTextLocaleTest, UpperCasesLettersBeyondAsciiInAnyScript) {
    EXPECT_EQ(UpperCase("caf\u00E9 \u00F1o\u00F1o \u00E6"), "CAF\u00C9 \u00D1O\u00D1O \u00C6");
    EXPECT_EQ(UpperCase("\u0438\u0433\u0440\u0430 12|x"), "\u0418\u0413\u0420\u0410 12|X");
    EXPECT_EQ(UpperCase("\u30B2\u30FC\u30E0"), "\u30B2\u30FC\u30E0");
}

// The files' text in code page 1252, and what it cannot hold: no look-alike
// letter stands in for a missing one (best fit would make "\u0100" an "A").
TEST_F(SystemTextLocaleTest, ConvertsTheFilesTextByTheCodePage) {
    if (GetACP() != 1252) {
        GTEST_SKIP() << "the example letters are those of code page 1252, not " << GetACP();
    }
    EXPECT_EQ(TextFromAnsi("caf\xE9 \x80"), "caf\u00E9 \u20AC");
    EXPECT_EQ(AnsiText("caf\u00E9 \u20AC"), "caf\xE9 \x80");
    EXPECT_TRUE(FitsAnsi("caf\u00E9 \u20AC"));
    EXPECT_EQ(AnsiText("\u30B2\u30FC\u30E0 \u0100"), "??? ?");
    EXPECT_FALSE(FitsAnsi("\u30B2\u30FC\u30E0"));
    EXPECT_FALSE(FitsAnsi("\u0418\u0433\u0440\u044B"));
    EXPECT_FALSE(FitsAnsi("\u0100"));
}

TEST(StartupPlatformTest, TheArgumentTextKeepsAnyScript) {
    EXPECT_EQ(ArgumentText(Utf8(L"\"C:\\\u30B2\u30FC\u30E0\\ZentavioWrapper.exe\" "
                                L"D:\\\u0418\u0433\u0440\u044B\\Space.img")),
              "D:\\\u0418\u0433\u0440\u044B\\Space.img");
}

}  // namespace
}  // namespace zent
