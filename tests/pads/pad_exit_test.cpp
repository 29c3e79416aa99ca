#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "pads/pad_exit.h"

namespace zent::testing {
namespace {

// From `at` on, a pad holds `buttons` (nothing: unplugged).
struct PadChange {
    std::uint64_t at;
    PadKind kind;
    int index;
    std::optional<std::uint32_t> buttons;
};

// Pads that change as a script says, counting how often each XInput slot is asked.
class ScriptedPads final : public PadReader {
public:
    explicit ScriptedPads(std::vector<PadChange> script) : script_(std::move(script)) {}
    std::optional<std::uint32_t> XInputButtons(int slot) override {
        ++xinputAsks[slot];
        return Read(PadKind::kXInput, slot);
    }
    std::optional<std::uint32_t> JoystickButtons(int id) override {
        return Read(PadKind::kJoystick, id);
    }
    std::uint64_t now = 0;
    std::array<int, kXInputSlotCount> xinputAsks{};

private:
    std::optional<std::uint32_t> Read(PadKind kind, int index) const {
        std::optional<std::uint32_t> buttons;
        for (const PadChange& change : script_) {
            buttons = change.at <= now && change.kind == kind && change.index == index
                          ? change.buttons
                          : buttons;
        }
        return buttons;
    }
    std::vector<PadChange> script_;
};

constexpr std::uint32_t kBS = kPadBack | kPadStart;
constexpr PadCombination kJoystick2{PadKind::kJoystick, 1, 0x300};  // buttons 9 + 10
constexpr std::uint64_t kNever = ~std::uint64_t{0};

PadChange X(std::uint64_t at, int slot, std::optional<std::uint32_t> buttons) {
    return {at, PadKind::kXInput, slot, buttons};
}
PadChange J(std::uint64_t at, int id, std::uint32_t buttons) {
    return {at, PadKind::kJoystick, id, buttons};
}

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
    ScriptedPads pads(GetParam().script);
    PadExitWatch watch(GetParam().combination, pads);
    std::uint64_t heldAt = kNever;
    for (; pads.now < 5000; ++pads.now) {
        heldAt = watch.Held(pads.now) && heldAt == kNever ? pads.now : heldAt;
    }
    EXPECT_EQ(heldAt, GetParam().heldAt);
    EXPECT_EQ(watch.Released(pads.now), GetParam().releasedAtEnd);
    EXPECT_EQ(pads.xinputAsks[3], GetParam().emptySlotAsks);
}

INSTANTIATE_TEST_SUITE_P(Pads, PadExitTest, ::testing::ValuesIn(kPadCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zent::testing
