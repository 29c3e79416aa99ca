#pragma once
// The oracle of the launch tests: the stand-in emulator's menus, the same model
// its window runs under Wine, fed with the key events the launcher injected.
// What it did with them is what the emulator's menus would have done.

#include <string>
#include <vector>

#include "recording_platform.h"

namespace zent::testing {

// The emulator's reactions, in order: "command O2.4 frame-rate-display",
// "drive E", "speed 101"; a key it has no use for gives "ignored <code>".
std::vector<std::string> EmulatorReactions(const std::vector<KeyEvent>& events);

// The emulator's window in front, a framed tool window (style 0x16CF0000,
// extended style 0x180) of the process the fake starts.
inline constexpr WindowHandle kEmulatorWindow = 0x500;
inline constexpr std::uint32_t kOverlappedVisible = 0x16CF0000;
inline constexpr std::uint32_t kToolWindowEdge = 0x00000180;
void PutEmulatorWindowInFront(FakeDesktop& desktop);

}  // namespace zent::testing
