#include "pads/pad_capture.h"

#include <algorithm>

namespace zent {

// A button held when its pad is first seen (still down from the press that
// opened the capture, perhaps through a pad mapper, or stuck) counts only once
// it has been released: it neither starts the capture, joins the combination,
// nor keeps it from ending.
std::uint32_t PadCapture::CountedButtons(const PadSnapshot& pad) {
    auto seen = std::find_if(seen_.begin(), seen_.end(), [&](const SeenPad& s) {
        return s.kind == pad.kind && s.index == pad.index;
    });
    if (seen == seen_.end()) {
        seen_.push_back({pad.kind, pad.index, ~pad.buttons});
        return 0;
    }
    seen->armed |= ~pad.buttons;
    return pad.buttons & seen->armed;
}

void PadCapture::Feed(const std::vector<PadSnapshot>& pads, std::uint64_t nowMilliseconds) {
    if (state_ == PadCaptureState::kDone || state_ == PadCaptureState::kTimedOut) {
        return;
    }
    // A pad unplugged while held counts as released.
    std::uint32_t heldNow = 0;
    for (const PadSnapshot& pad : pads) {
        const std::uint32_t counted = CountedButtons(pad);
        if (state_ == PadCaptureState::kWaiting && counted != 0) {
            state_ = PadCaptureState::kHolding;
            held_ = {pad.kind, pad.index, 0};
        }
        if (state_ == PadCaptureState::kHolding && pad.kind == held_.kind &&
            pad.index == held_.index) {
            heldNow = counted;
        }
    }
    if (state_ == PadCaptureState::kHolding) {
        held_.buttons |= heldNow;
        if (heldNow == 0) {
            state_ = PadCaptureState::kDone;
            // An XInput combination ends the game from any of the four slots.
            result_ = {held_.kind, held_.kind == PadKind::kJoystick ? held_.index : 0,
                       held_.buttons};
        }
    } else if (nowMilliseconds >= start_ + kPadCaptureTimeout) {
        state_ = PadCaptureState::kTimedOut;
    }
}

}  // namespace zent
