#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "startup/capture_fatal.h"
#include "startup/config_store.h"
#include "startup/text_conversions.h"
#include "test_globals.h"

namespace zent {
namespace {

// The exit key as the configuration store holds it, a number or a text.
using ConfigExitKeyTest = testing::FreshGlobalsTest;

struct ExitKeyCase {
    ExitKeyValue held;
    int value;
    const char* text;
};

void PrintTo(const ExitKeyCase& c, std::ostream* out) {
    if (const auto* number = std::get_if<double>(&c.held)) {
        *out << "number " << *number;
    } else {
        *out << "text " << ::testing::PrintToString(std::get<std::string>(c.held));
    }
}

class ConfigExitKeyValueTest : public ConfigExitKeyTest,
                               public ::testing::WithParamInterface<ExitKeyCase> {};

TEST_P(ConfigExitKeyValueTest, GivesTheKeyCodeAndTheBoxText) {
    Config.ExitKeyCode = GetParam().held;
    EXPECT_EQ(ExitKeyCodeValue(), GetParam().value);
    EXPECT_EQ(ExitKeyCodeText(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    NumbersAndTexts, ConfigExitKeyValueTest,
    ::testing::Values(ExitKeyCase{27.0, 27, "27"}, ExitKeyCase{112.0, 112, "112"},
                      ExitKeyCase{-1.0, -1, "-1"}, ExitKeyCase{27.5, 28, "27.5"},
                      ExitKeyCase{26.5, 26, "26.5"}, ExitKeyCase{std::string("27"), 27, "27"},
                      ExitKeyCase{std::string(" 112 "), 112, " 112 "},
                      ExitKeyCase{std::string("&H1B"), 27, "&H1B"},
                      ExitKeyCase{std::string("40000"), 40000, "40000"}));

TEST_F(ConfigExitKeyTest, TheBoxTextShowsAPointWhateverTheSystemSays) {
    CurrentTextLocale().decimalSeparator = ',';
    Config.ExitKeyCode = 27.5;
    EXPECT_EQ(ExitKeyCodeText(), "27.5");
}

TEST_F(ConfigExitKeyTest, ATextThatIsNoKeyCodeIsFatalAndQuoted) {
    for (const char* text : {"", "Esc", "27x"}) {
        Config.ExitKeyCode = std::string(text);
        const auto error = CaptureFatal([] { ExitKeyCodeValue(); });
        ASSERT_TRUE(error) << text;
        EXPECT_EQ(error->number(), kTypeMismatch) << text;
        EXPECT_NE(error->description().find(Quoted(text)), std::string::npos)
            << error->description();
        EXPECT_NE(error->description().find("exit key"), std::string::npos) << error->description();
    }
}

TEST_F(ConfigExitKeyTest, AKeyCodeBeyond32BitsOverflows) {
    for (const ExitKeyValue& held :
         {ExitKeyValue(1e10), ExitKeyValue(-1e10), ExitKeyValue(std::string("2147483648"))}) {
        Config.ExitKeyCode = held;
        const auto error = CaptureFatal([] { ExitKeyCodeValue(); });
        ASSERT_TRUE(error);
        EXPECT_EQ(error->number(), kOverflow);
    }
}

}  // namespace
}  // namespace zent
