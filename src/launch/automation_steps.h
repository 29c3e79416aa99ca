#pragma once
// The launch as a table of steps (the methods of Form1 that work the emulator's
// menus by keystrokes). They inject blind: nothing checks where the keys land.

#include <span>

#include "launch/launch_platform.h"

namespace zent {

// One step of the launch: its name, for the trace and the tests; whether it
// runs, asked when its turn comes; and what it does, either keys and pauses on
// the keyboard (PressKey, PressAltChord and Sleep only) or, for the placement
// of the emulator's window, the windows and the screen as well.
struct AutomationStep {
    const char* name;
    bool (*runs)();
    void (*keys)(Keyboard& keyboard);
    void (*place)(Keyboard& keyboard, Desktop& desktop, Screen& screen);
};

// Every step in the order the launch runs them, which is binding.
extern const std::span<const AutomationStep> kAutomationSteps;

// The most speed-key presses SetCpuSpeed sends.
inline constexpr int kMaxCpuSpeedPresses = 1000;

}  // namespace zent
