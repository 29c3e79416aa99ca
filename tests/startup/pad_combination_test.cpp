#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "startup/pad_combination.h"

namespace zent {
namespace {

// Each combination's text, and the texts a player may have typed for it.
struct PadTextCase {
    PadCombination combination;
    const char* text;
    std::vector<const char*> alsoRead;
};

void PrintTo(const PadTextCase& c, std::ostream* out) {
    *out << ::testing::PrintToString(std::string(c.text));
}

class PadTextTest : public ::testing::TestWithParam<PadTextCase> {};

TEST_P(PadTextTest, ShowsTheTextThatReadsBack) {
    EXPECT_EQ(PadCombinationText(GetParam().combination), GetParam().text);
    EXPECT_EQ(ParsePadCombination(GetParam().text), GetParam().combination);
    for (const char* typed : GetParam().alsoRead) {
        EXPECT_EQ(ParsePadCombination(typed), GetParam().combination) << typed;
    }
}

constexpr std::uint32_t kEveryPadButton = 0xF3FF;

INSTANTIATE_TEST_SUITE_P(
    Combinations, PadTextTest,
    ::testing::Values(
        PadTextCase{kDefaultPadExit, "Back + Start", {" start+BACK ", "Back  +  Start"}},
        PadTextCase{{}, "Off", {" off"}},
        PadTextCase{{PadKind::kXInput, 0, kEveryPadButton},
                    "Back + Start + LB + RB + Left Stick + Right Stick + A + B + X + Y + Up + "
                    "Down + Left + Right",
                    {}},
        PadTextCase{{PadKind::kJoystick, 1, 0x300},
                    "Joystick 2: buttons 9 + 10",
                    {"JOYSTICK 2 : buttons 10+9"}},
        PadTextCase{{PadKind::kJoystick, 0, 4}, "Joystick 1: button 3", {}},
        PadTextCase{{PadKind::kJoystick, 15, 0x80000001}, "Joystick 16: buttons 1 + 32", {}}));

class RefusedPadTextTest : public ::testing::TestWithParam<const char*> {};

TEST_P(RefusedPadTextTest, ReadsAsNothing) {
    EXPECT_EQ(ParsePadCombination(GetParam()), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Texts, RefusedPadTextTest,
                         ::testing::Values("", " ", "Back + Strat", "Back +", "+ Start",
                                           "Back + Back", "Select", "Joystick 0: button 1",
                                           "Joystick 17: button 1", "Joystick 1: button 0",
                                           "Joystick 1: button 33", "Joystick 1: buttons 3",
                                           "Joystick 1: button 3 + 4", "Joystick 1: button",
                                           "Joystick 1 button 1", "Joystick x: button 1",
                                           "Joystick 1: button 3 + 3", "Off + Back"));

}  // namespace
}  // namespace zent
