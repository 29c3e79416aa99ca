#pragma once

#include <string>

namespace zent {

// Loads the hidden launch form Form1 without showing it, which runs the launch
// of the game named gameName. Loading a loaded form does nothing.
void LoadForm1(const std::string& gameName);

// Loads Form1 if it is not loaded (running the launch of gameName), then shows
// it in its own state, minimized, without taking the focus from the emulator.
void ShowForm1(const std::string& gameName);

}  // namespace zent
