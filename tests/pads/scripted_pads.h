#pragma once
// The pads of every test: XInput pads and winmm joysticks that change as a
// script says, on a clock the test moves, counting how often each XInput slot
// is asked.

#include <array>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "pads/pad_reader.h"

namespace zent::testing {

// From `at` on, a pad holds `buttons` (nothing: unplugged).
struct PadChange {
    std::uint64_t at;
    PadKind kind;
    int index;
    std::optional<std::uint32_t> buttons;
};

inline PadChange X(std::uint64_t at, int slot, std::optional<std::uint32_t> buttons) {
    return {at, PadKind::kXInput, slot, buttons};
}
inline PadChange J(std::uint64_t at, int id, std::uint32_t buttons) {
    return {at, PadKind::kJoystick, id, buttons};
}

class ScriptedPads final : public PadReader {
public:
    explicit ScriptedPads(const std::uint64_t& now, std::vector<PadChange> script = {})
        : script(std::move(script)), now_(now) {}
    std::optional<std::uint32_t> XInputButtons(int slot) override {
        ++xinputAsks[slot];
        return Read(PadKind::kXInput, slot);
    }
    std::optional<std::uint32_t> JoystickButtons(int id) override {
        return Read(PadKind::kJoystick, id);
    }
    // In the order of their times.
    std::vector<PadChange> script;
    std::array<int, kXInputSlotCount> xinputAsks{};

private:
    std::optional<std::uint32_t> Read(PadKind kind, int index) const {
        std::optional<std::uint32_t> buttons;
        for (const PadChange& change : script) {
            buttons = change.at <= now_ && change.kind == kind && change.index == index
                          ? change.buttons
                          : buttons;
        }
        return buttons;
    }
    const std::uint64_t& now_;
};

}  // namespace zent::testing
