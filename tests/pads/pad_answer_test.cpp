#include <gtest/gtest.h>

#include "pads/pad_answer.h"
#include "scripted_pads.h"

namespace zent::testing {
namespace {

constexpr std::uint64_t kNever = ~std::uint64_t{0};

// The box shows at 0, the pads are asked every 20 ms: the first look that answers it.
TEST(PadAnswerTest, APressAndReleaseOfABOrStartAnswersTheBox) {
    for (const auto& [answeredAt, script] :
         std::vector<std::pair<std::uint64_t, std::vector<PadChange>>>{
             {300, {X(0, 0, 0), X(200, 0, kPadA), X(300, 0, 0)}},
             {120, {X(0, 3, 0), X(100, 3, kPadStart), X(120, 3, 0)}},
             {400, {X(0, 1, kPadA), X(100, 1, kPadX), X(300, 1, kPadB | kPadX), X(400, 1, 0)}},
             {kNever, {X(0, 0, 0), X(100, 0, kPadStart)}},
             {kNever, {X(0, 0, 0), X(100, 0, kPadA), X(200, 0, {})}},
             {kNever, {X(0, 0, 0), X(100, 0, kPadBack | kPadY), X(200, 0, 0)}},
         }) {
        std::uint64_t now = 0;
        ScriptedPads pads(now, script);
        PadAnswer answer(pads);
        while (now <= 1000 && !answer.Answered(now)) {
            now += 20;
        }
        EXPECT_EQ(now > 1000 ? kNever : now, answeredAt);
    }
}

}  // namespace
}  // namespace zent::testing
