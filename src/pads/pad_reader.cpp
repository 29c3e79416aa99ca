#include "pads/pad_reader.h"

#include <span>

namespace zent {

namespace {

using ReadButtons = std::optional<std::uint32_t> (PadReader::*)(int);

// Asks the slots of one kind whose bit is set in slots and whose retry time has
// come; a slot found empty is left alone for kEmptyPadRetryInterval, so a
// watcher polling every tick pays for the missing pads only every 2 s.
void PollSlots(PadReader& reader, ReadButtons read, PadKind kind, std::uint32_t slots,
               std::span<std::uint64_t> retryTimes, std::uint64_t now,
               std::vector<PadSnapshot>& pads) {
    for (std::size_t index = 0; index < retryTimes.size(); ++index) {
        if ((slots >> index & 1) == 0 || now < retryTimes[index]) {
            continue;
        }
        const int slot = static_cast<int>(index);
        if (const std::optional<std::uint32_t> buttons = (reader.*read)(slot)) {
            pads.push_back({kind, slot, *buttons});
        } else {
            retryTimes[index] = now + kEmptyPadRetryInterval;
        }
    }
}

}  // namespace

std::vector<PadSnapshot> PadPoller::Poll(std::uint64_t nowMilliseconds, bool xinput,
                                         std::uint32_t joysticks) {
    std::vector<PadSnapshot> pads;
    PollSlots(*reader_, &PadReader::XInputButtons, PadKind::kXInput,
              xinput ? (1u << kXInputSlotCount) - 1 : 0, xinputRetry_, nowMilliseconds, pads);
    PollSlots(*reader_, &PadReader::JoystickButtons, PadKind::kJoystick, joysticks, joystickRetry_,
              nowMilliseconds, pads);
    return pads;
}

}  // namespace zent
