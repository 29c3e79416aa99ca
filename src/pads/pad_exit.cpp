#include "pads/pad_exit.h"

namespace zent {

bool PadExitWatch::Off() const {
    // A combination without buttons would be "held" by any connected pad.
    return combination_.kind == PadKind::kOff || combination_.buttons == 0;
}

// The pads the combination is read on: every XInput slot, for a player may
// pick up any pad, but for a joystick only its own id, since button numbers
// mean other buttons on another device.
std::vector<PadSnapshot> PadExitWatch::Pads(std::uint64_t nowMilliseconds) {
    const bool xinput = combination_.kind == PadKind::kXInput;
    return poller_.Poll(nowMilliseconds, xinput, xinput ? 0 : 1u << combination_.joystick);
}

bool PadExitWatch::Held(std::uint64_t nowMilliseconds) {
    if (Off()) {
        return false;
    }
    // Buttons held besides the combination do not spoil it: a player may rest
    // a finger on a shoulder button or a stick, and an encoder may report a
    // coin switch or a stuck button; capture records the least that ends it.
    std::array<bool, kJoystickCount> holding{};
    for (const PadSnapshot& pad : Pads(nowMilliseconds)) {
        holding[pad.index] = (pad.buttons & combination_.buttons) == combination_.buttons;
    }
    bool held = false;
    for (std::size_t index = 0; index < holding.size(); ++index) {
        std::optional<std::uint64_t>& since = heldSince_[index];
        // A pad that lets go, or is unplugged or not read, starts over.
        if (!holding[index]) {
            since.reset();
            continue;
        }
        since = since.value_or(nowMilliseconds);
        held = held || nowMilliseconds - *since >= kPadExitHoldTime;
    }
    return held;
}

bool PadExitWatch::Released(std::uint64_t nowMilliseconds) {
    if (Off()) {
        return true;
    }
    for (const PadSnapshot& pad : Pads(nowMilliseconds)) {
        if ((pad.buttons & combination_.buttons) != 0) {
            return false;
        }
    }
    return true;
}

}  // namespace zent
