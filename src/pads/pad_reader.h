#pragma once
// The seam to the pads: what Windows says of each XInput slot and each winmm
// joystick, and the poller that asks it at a pace the watcher can afford.
// pad_reader_win.cpp holds the real reader; the tests script snapshots.

#include <cstdint>
#include <optional>
#include <vector>

#include "pads/pad_combination.h"

namespace zent {

inline constexpr int kXInputSlotCount = 4;

class PadReader {
public:
    virtual ~PadReader() = default;
    // The buttons held on the XInput pad in slot 0 to 3 (XInput's bits);
    // nothing when no pad is connected there or XInput is missing.
    virtual std::optional<std::uint32_t> XInputButtons(int slot) = 0;
    // The buttons held on winmm's joystick 0 to 15 (bit n - 1 for button n);
    // nothing when none is connected there.
    virtual std::optional<std::uint32_t> JoystickButtons(int joystick) = 0;
};

// One connected pad and the buttons held on it.
struct PadSnapshot {
    PadKind kind = PadKind::kXInput;
    // The XInput slot, or the joystick id.
    int index = 0;
    std::uint32_t buttons = 0;
    bool operator==(const PadSnapshot&) const = default;
};

// Asking an empty slot is costly (Windows looks for a new device each time), so
// a slot found empty is asked again only this long after.
inline constexpr std::uint64_t kEmptyPadRetryInterval = 2000;

// Every joystick, for PadPoller::Poll.
inline constexpr std::uint32_t kAllJoysticks = (1u << kJoystickCount) - 1;

// Reads the pads of the kinds asked for, skipping the slots found empty until
// their retry time has come.
class PadPoller {
public:
    explicit PadPoller(PadReader& reader) : reader_(&reader) {}
    // The connected pads asked for, at nowMilliseconds: the XInput slots, and
    // the joysticks whose bit (1 << id) is set in joysticks. The exit watch
    // asks for its combination's pads only, capture for all.
    std::vector<PadSnapshot> Poll(std::uint64_t nowMilliseconds, bool xinput,
                                  std::uint32_t joysticks);

private:
    PadReader* reader_;
    std::uint64_t xinputRetry_[kXInputSlotCount] = {};
    std::uint64_t joystickRetry_[kJoystickCount] = {};
};

}  // namespace zent
