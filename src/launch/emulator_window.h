#pragma once
// The emulator's game window made a full-screen display in front of a black
// backdrop (the procedures of Module1).

#include <cstdint>

#include "launch/launch_platform.h"

namespace zent {

// The fewest rows of pixels of the emulator window kept above the display's
// top edge, which hides what is left of its menu bar.
inline constexpr int kHiddenTopRows = 20;

// The rows hidden above the display: all the rows above the stripped window's
// client area, its whole menu bar at any DPI, and never fewer than kHiddenTopRows.
int HiddenTopRows(Desktop& desktop, WindowHandle window);

// Captures the main window of the foreground window, parks the pointer in the
// top right corner of the game's display, covers that display with the
// backdrop, and when the captured window is the emulator's, strips its frame
// and stretches it over the display, topmost, with a box of its own kept in front.
void PlaceEmulatorWindow(Desktop& desktop, Screen& screen);

// True when window belongs to the emulator process the launch started.
bool IsEmulatorWindow(Desktop& desktop, WindowHandle window);

}  // namespace zent
