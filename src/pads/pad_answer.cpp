#include "pads/pad_answer.h"

namespace zent {

bool PadAnswer::Answered(std::uint64_t nowMilliseconds) {
    std::array<bool, kXInputSlotCount> connected{}, holding{};
    for (const PadSnapshot& pad : poller_.Poll(nowMilliseconds, true, 0)) {
        const auto slot = static_cast<std::size_t>(pad.index);
        connected[slot] = true;
        holding[slot] = (pad.buttons & kPadAnswerButtons) != 0;
    }
    bool answered = false;
    for (std::size_t slot = 0; slot < holding.size(); ++slot) {
        // A pad unplugged while a button is down has not let go: its press counts no more.
        answered = answered || (pressed_[slot] && connected[slot] && !holding[slot]);
        const bool press = looked_ && holding[slot] && !held_[slot];
        pressed_[slot] = holding[slot] && (pressed_[slot] || press);
        held_[slot] = holding[slot];
    }
    looked_ = true;
    return answered;
}

}  // namespace zent
