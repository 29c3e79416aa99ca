#pragma once
// The pads as Windows reports them: XInput for Xbox-type pads (the API that
// reads them while another program has the focus, as the emulator has), and
// winmm's joysticks for other pads and arcade encoders.

#include "pads/pad_reader.h"

namespace zent {

// Each DLL is loaded from the system folder on first use and kept for the
// process's life; without it every slot reads as empty.
class WindowsPadReader final : public PadReader {
public:
    std::optional<std::uint32_t> XInputButtons(int slot) override;
    std::optional<std::uint32_t> JoystickButtons(int joystick) override;
};

}  // namespace zent
