#pragma once
// A box answered from the pads: a player holding only a pad can dismiss the
// launcher's box with A, B or Start of any XInput pad, as OK does.

#include <array>
#include <cstdint>

#include "pads/pad_reader.h"

namespace zent {

inline constexpr std::uint32_t kPadAnswerButtons = kPadA | kPadB | kPadStart;

class PadAnswer {
public:
    explicit PadAnswer(PadReader& pads) : poller_(pads) {}

    // True once one of kPadAnswerButtons has been pressed and let go on a pad
    // since the first look; call it while the box shows. A button held at the
    // first look counts only once it has been let go and pressed again: it was
    // pressed for the game, not for the box.
    bool Answered(std::uint64_t nowMilliseconds);

private:
    PadPoller poller_;
    bool looked_ = false;
    // Per slot: an answer button held at the last look, and pressed since the box showed.
    std::array<bool, kXInputSlotCount> held_{};
    std::array<bool, kXInputSlotCount> pressed_{};
};

}  // namespace zent
