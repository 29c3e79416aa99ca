#include <gtest/gtest.h>

#include <vector>

#include "pads/pad_answer.h"
#include "scripted_pads.h"

namespace zent::testing {
namespace {

constexpr std::uint64_t kNever = ~std::uint64_t{0};

// The box shows at 0 and the pads are asked every 20 ms; answeredAt is the
// first look that answers it.
const struct {
    const char* name;
    std::uint64_t answeredAt;
    std::vector<PadChange> script;
} kAnswerCases[] = {
    {"APressedAndLetGo", 300, {X(0, 0, 0), X(200, 0, kPadA), X(300, 0, 0)}},
    {"StartOnAnotherPad", 120, {X(0, 0, 0), X(0, 3, 0), X(100, 3, kPadStart), X(120, 3, 0)}},
    {"BWithOtherButtons", 60, {X(0, 1, kPadX), X(40, 1, kPadB | kPadX), X(60, 1, kPadX)}},
    {"HeldWhenTheBoxShowed", kNever, {X(0, 0, kPadA), X(100, 0, 0)}},
    {"HeldThenPressedAgain", 400, {X(0, 0, kPadA), X(100, 0, 0), X(300, 0, kPadA), X(400, 0, 0)}},
    {"PressedButNotLetGo", kNever, {X(0, 0, 0), X(100, 0, kPadStart)}},
    {"UnpluggedWhilePressed", kNever, {X(0, 0, 0), X(100, 0, kPadA), X(200, 0, {})}},
    {"OtherButtons", kNever, {X(0, 0, 0), X(100, 0, kPadBack | kPadY), X(200, 0, 0)}},
};

TEST(PadAnswerTest, APressAndReleaseOfABOrStartAnswersTheBox) {
    for (const auto& c : kAnswerCases) {
        SCOPED_TRACE(c.name);
        std::uint64_t now = 0;
        ScriptedPads pads(now, c.script);
        PadAnswer answer(pads);
        std::uint64_t answeredAt = kNever;
        for (; now <= 1000 && answeredAt == kNever; now += 20) {
            answeredAt = answer.Answered(now) ? now : kNever;
        }
        EXPECT_EQ(answeredAt, c.answeredAt);
    }
}

}  // namespace
}  // namespace zent::testing
