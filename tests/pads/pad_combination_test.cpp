#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "pads/pad_combination.h"

namespace zent {
namespace {

// Each combination's text, which reads back as it, and other spellings of it.
TEST(PadCombinationTest, ItsTextReadsBackAsItBlanksCaseAndOrderAside) {
    const struct {
        PadCombination combination;
        const char* text;
        std::vector<const char*> alsoRead;
    } cases[] = {
        {kDefaultPadExit, "Back + Start", {" start+BACK ", "Back  +  Start"}},
        {{}, "Off", {" off"}},
        {{PadKind::kXInput, 0, 0xF3FF},
         "Back + Start + LB + RB + Left Stick + Right Stick + A + B + X + Y + Up + Down + Left + "
         "Right",
         {}},
        {{PadKind::kJoystick, 1, 0x300},
         "Joystick 2: buttons 9 + 10",
         {"JOYSTICK 2 : buttons 10+9"}},
        {{PadKind::kJoystick, 0, 4}, "Joystick 1: button 3", {}},
        {{PadKind::kJoystick, 15, 0x80000001}, "Joystick 16: buttons 1 + 32", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PadCombinationText(c.combination), c.text);
        EXPECT_EQ(ParsePadCombination(c.text), c.combination) << c.text;
        for (const char* typed : c.alsoRead) {
            EXPECT_EQ(ParsePadCombination(typed), c.combination) << typed;
        }
    }
}

TEST(PadCombinationTest, AnyOtherTextReadsAsNothing) {
    for (const char* text :
         {"", " ", "Back + Strat", "Back +", "+ Start", "Back + Back", "Select", "Off + Back",
          "Joystick 0: button 1", "Joystick 17: button 1", "Joystick 1: button 0",
          "Joystick 1: button 33", "Joystick 1: buttons 3", "Joystick 1: button 3 + 4",
          "Joystick 1: button", "Joystick 1 button 1", "Joystick x: button 1",
          "Joystick 1: buttons 3 + 3"}) {
        EXPECT_EQ(ParsePadCombination(text), std::nullopt) << text;
    }
}

}  // namespace
}  // namespace zent
