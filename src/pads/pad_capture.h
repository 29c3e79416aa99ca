#pragma once
// The capture of a pad exit as players know it from front ends: hold the
// buttons on any pad, release them, and the combination is what was held.

#include <cstdint>
#include <vector>

#include "pads/pad_combination.h"
#include "pads/pad_reader.h"

namespace zent {

// How long the capture waits for a first press before it gives up.
inline constexpr std::uint64_t kPadCaptureTimeout = 6000;

enum class PadCaptureState { kWaiting, kHolding, kDone, kTimedOut };

class PadCapture {
public:
    explicit PadCapture(std::uint64_t startMilliseconds) : start_(startMilliseconds) {}

    // The connected pads as polled at nowMilliseconds. A capture that is done
    // or timed out stays so.
    void Feed(const std::vector<PadSnapshot>& pads, std::uint64_t nowMilliseconds);
    PadCaptureState State() const { return state_; }
    // What was held; set once the state is kDone.
    const PadCombination& Result() const { return result_; }

private:
    struct SeenPad {
        PadKind kind;
        int index;
        // The buttons seen released since the pad was first seen: only these count.
        std::uint32_t armed;
    };
    std::uint32_t CountedButtons(const PadSnapshot& pad);

    std::uint64_t start_;
    PadCaptureState state_ = PadCaptureState::kWaiting;
    std::vector<SeenPad> seen_;
    // The pad of the first press, and the union of its counted buttons since.
    PadSnapshot held_;
    PadCombination result_;
};

}  // namespace zent
