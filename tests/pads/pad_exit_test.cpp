#include <gtest/gtest.h>

#include <vector>

#include "pads/pad_exit.h"
#include "scripted_pads.h"

namespace zent::testing {
namespace {

constexpr std::uint32_t kBS = kPadBack | kPadStart;
constexpr PadCombination kJoystick2{PadKind::kJoystick, 1, 0x300};  // buttons 9 + 10
constexpr std::uint64_t kNever = ~std::uint64_t{0};

struct PadCase {
    const char* name;
    std::uint64_t heldAt;  // the first tick Held says so
    bool releasedAtEnd;
    int emptySlotAsks;  // of XInput slot 3, never plugged in
    std::vector<PadChange> script;
    PadCombination combination = kDefaultPadExit;
};

const std::vector<PadCase> kPadCases = {
    {"HeldOneSecond", 1300, false, 3, {X(0, 0, 0), X(300, 0, kBS)}},
    {"Tap", kNever, true, 3, {X(0, 0, kBS), X(200, 0, 0)}},
    {"LoneButton", kNever, false, 3, {X(0, 0, kPadStart)}},
    {"AnySlot", 1000, false, 3, {X(0, 2, kBS)}},
    {"ExtraButtons", 1000, false, 3, {X(0, 1, kBS | kPadA)}},
    {"SplitAcrossPads", kNever, false, 3, {X(0, 0, kPadBack), X(0, 1, kPadStart)}},
    {"UnpluggedMidHold", 3500, false, 3, {X(0, 0, kBS), X(500, 0, {}), X(900, 0, kBS)}},
    {"PluggedInLate", 3000, false, 3, {X(1500, 1, kBS)}},
    {"Off", kNever, true, 0, {X(0, 0, kBS)}, {}},
    {"NoButton", kNever, true, 0, {X(0, 0, kBS)}, {PadKind::kXInput, 0, 0}},
    {"JoystickOwnId", 1000, false, 0, {J(0, 1, 0x300)}, kJoystick2},
    {"JoystickOtherId", kNever, true, 0, {J(0, 0, 0x300)}, kJoystick2},
};

class PadExitTest : public ::testing::TestWithParam<PadCase> {};

// Ticks every millisecond for 5 s, as the launch's watcher does. A slot found
// empty is asked again only 2 s later, which the late and unplugged pads show.
TEST_P(PadExitTest, EndsOnlyOnTheWholeCombinationHeldOnOnePadForOneSecond) {
    std::uint64_t now = 0;
    ScriptedPads pads(now, GetParam().script);
    PadExitWatch watch(GetParam().combination, pads);
    std::uint64_t heldAt = kNever;
    for (; now < 5000; ++now) {
        heldAt = watch.Held(now) && heldAt == kNever ? now : heldAt;
    }
    EXPECT_EQ(heldAt, GetParam().heldAt);
    EXPECT_EQ(watch.Released(now), GetParam().releasedAtEnd);
    EXPECT_EQ(pads.xinputAsks[3], GetParam().emptySlotAsks);
}

INSTANTIATE_TEST_SUITE_P(Pads, PadExitTest, ::testing::ValuesIn(kPadCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zent::testing
