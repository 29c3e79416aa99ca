#pragma once
// The player's exit key: read as Timer1 reads it, checked before a launch
// starts anything, and what holding it does to the emulator we started.

#include <cstdint>

#include "launch/launch_platform.h"

namespace zent {

// The key codes a keyboard produces, 1 to 254: the only ones the exit key can
// be watched as. 0 and 255 (which some keyboards' special and Fn keys send)
// are no key.
constexpr bool IsKeyboardKey(std::int32_t code) {
    return code >= 1 && code <= 254;
}

// Stops the launch before anything is copied or started when ExitKeyCode is
// no keyboard key: the player would have no way out.
void RequireUsableExitKey();

// GetKeyState of ExitKeyCode: held while bit 0x1000 of the state word is set.
bool ExitKeyHeld(LaunchPlatform& platform);

// Closes the emulator the launch started, and nothing else: Alt+F4 when one of
// its windows has the focus, otherwise the Close command to each of its visible
// windows, and when it has none, the end of its process.
void CloseEmulator(LaunchPlatform& platform);

// What a held exit key does: 500 ms, the emulator closed, the launcher ended;
// it never returns.
void CloseEmulatorAndEnd(LaunchPlatform& platform);

}  // namespace zent
