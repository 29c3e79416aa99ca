#pragma once
// The pad exit: the player's combination of pad buttons, watched beside the
// exit key from the emulator's start on, and the wait for its release
// before the front end gets the focus back.

#include <array>
#include <cstdint>
#include <optional>

#include "pads/pad_combination.h"
#include "pads/pad_reader.h"

namespace zent {

// How long the combination must be held on one pad: long enough that a
// player's quick press of Back or Start in a game's own menu never ends it.
inline constexpr std::uint64_t kPadExitHoldTime = 1000;

// How long the launcher waits, after the exit key or the pad exit, for the
// player to let go before it hands the focus back: a Start still held would
// otherwise reach the front end and start the game again. A player who keeps
// holding gets the front end anyway once this has passed.
inline constexpr std::uint64_t kExitReleaseTimeout = 3000;

class PadExitWatch {
public:
    // combination kOff, or one without buttons, is never held.
    PadExitWatch(const PadCombination& combination, PadReader& pads)
        : combination_(combination), poller_(pads) {}

    // True once all the combination's buttons have been held together on one
    // of its pads for kPadExitHoldTime without a break; call it at every tick.
    bool Held(std::uint64_t nowMilliseconds);
    // True when none of the combination's buttons is held on any of its pads.
    bool Released(std::uint64_t nowMilliseconds);

private:
    bool Off() const;
    std::vector<PadSnapshot> Pads(std::uint64_t nowMilliseconds);

    PadCombination combination_;
    PadPoller poller_;
    // When each pad (an XInput slot or a joystick id) began to hold the whole
    // combination; nothing while it does not.
    std::array<std::optional<std::uint64_t>, kJoystickCount> heldSince_{};
};

}  // namespace zent
