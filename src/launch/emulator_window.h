#pragma once
// The emulator's game window made a full-screen display in front of a black
// backdrop (the procedures of Module1).

#include <cstdint>

#include "launch/launch_platform.h"

namespace zent {

// Rows of pixels of the emulator window kept above the screen's top edge,
// which hides what is left of its menu bar.
inline constexpr int kHiddenTopRows = 20;

// Captures the main window of the foreground window, parks the pointer in the
// top right corner, covers the screen with the backdrop, and when the captured
// window is the emulator's, strips its frame and stretches it over the screen,
// topmost, with a box of its own kept in front.
void PlaceEmulatorWindow(Desktop& desktop, Screen& screen);

// True when window belongs to the emulator process the launch started.
bool IsEmulatorWindow(Desktop& desktop, WindowHandle window);

}  // namespace zent
