#include "pads/pad_capture.h"

#include <gtest/gtest.h>

namespace zent::testing {
namespace {

using enum PadKind;
using enum PadCaptureState;

constexpr PadSnapshot X0{kXInput, 0}, X1{kXInput, 1}, J1{kJoystick, 1}, J3{kJoystick, 3};
constexpr std::uint32_t A = kPadA, B = kPadB, Y = kPadY, S = kPadStart;
// In a poll: the pad is not connected.
constexpr std::uint32_t kGone = ~0u;

// A capture opened at 0 ms; each poll gives the buttons of each pad, one poll
// every pace milliseconds from 0 on; then how the capture stands.
struct CaptureRow {
    const char* what;
    std::vector<PadSnapshot> pads;
    std::uint64_t pace;
    std::vector<std::vector<std::uint32_t>> polls;
    PadCaptureState state;
    PadCombination result;
};

TEST(PadCaptureTest, TheCombinationIsWhatOnePadHeldUntilItsButtonsWereReleased) {
    const std::vector<CaptureRow> rows = {
        {"one after another", {X0}, 50, {{0}, {A}, {A | B}, {0}}, kDone, {kXInput, 0, A | B}},
        {"partial", {X0}, 50, {{0}, {A | B}, {B}, {B | Y}, {0}}, kDone, {kXInput, 0, A | B | Y}},
        {"pad 2, pad 1 idle", {X0, J1}, 50, {{0, 0}, {0, 4}, {0, 0}}, kDone, {kJoystick, 1, 4}},
        {"one pad", {X1, J1, X0}, 50, {{0, 0, 0}, {S, 4, A}, {0, 4, A}}, kDone, {kXInput, 0, S}},
        {"joystick 9 + 10", {J3}, 50, {{0}, {0x100}, {0x300}, {0}}, kDone, {kJoystick, 3, 0x300}},
        {"unplugged while held", {J3}, 50, {{0}, {1}, {kGone}}, kDone, {kJoystick, 3, 1}},
        {"held from the start", {X0}, 50, {{S}, {S | A}, {S}}, kDone, {kXInput, 0, A}},
        {"released, then held", {X0}, 50, {{S}, {0}, {S}, {0}}, kDone, {kXInput, 0, S}},
        {"held from the start, 6 s", {X0}, 6000, {{S}, {S}}, kTimedOut, {}},
        {"no press in 5999 ms", {X0}, 5999, {{0}, {0}}, kWaiting, {}},
        {"no press in 6 s", {X0}, 6000, {{0}, {0}}, kTimedOut, {}},
        {"held past 6 s", {X0}, 3000, {{0}, {A}, {A}, {A}}, kHolding, {}},
        {"press after time out", {X0}, 6000, {{0}, {0}, {A}, {0}}, kTimedOut, {}},
    };
    for (const CaptureRow& row : rows) {
        PadCapture capture(0);
        for (std::size_t i = 0; i < row.polls.size(); ++i) {
            std::vector<PadSnapshot> connected;
            for (std::size_t pad = 0; pad < row.pads.size(); ++pad) {
                if (row.polls[i][pad] != kGone) {
                    connected.push_back(
                        {row.pads[pad].kind, row.pads[pad].index, row.polls[i][pad]});
                }
            }
            capture.Feed(connected, i * row.pace);
        }
        EXPECT_EQ(capture.State(), row.state) << row.what;
        EXPECT_EQ(capture.Result(), row.result) << row.what;
    }
}

}  // namespace
}  // namespace zent::testing
