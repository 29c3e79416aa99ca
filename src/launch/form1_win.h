#pragma once

namespace zent {

// Loads the hidden launch form Form1 without showing it, which runs the launch
// of Launch.GameName. Loading a loaded form does nothing.
void LoadForm1();

// Loads Form1 if it is not loaded (running the launch), then shows it in its
// own state, minimized, without taking the focus from the emulator.
void ShowForm1();

}  // namespace zent
