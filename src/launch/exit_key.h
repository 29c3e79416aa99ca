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
bool ExitKeyHeld(Keyboard& keyboard);

// Closes the emulator the launch started, and nothing else: Alt+F4 when one of
// its windows has the focus, otherwise the Close command to each of its visible
// windows, and when it has none, the end of its process.
void CloseEmulator(Keyboard& keyboard, Desktop& desktop);

// How long the emulator is given to end after the exit key, its own boxes and
// questions included, before its process is ended; the close is repeated at
// this pace meanwhile, since the first may only shut a box or dialog.
inline constexpr std::uint32_t kEmulatorCloseTimeout = 5000;
inline constexpr std::uint32_t kCloseRepeatInterval = 1000;

// Thrown where the launch sees the exit key held, before any key of a press or
// chord: the launch stops there, and Form_Load closes the emulator.
struct ExitKeyStop {};

// What a held exit key does before the launcher ends: 500 ms, then the emulator
// closed until it has ended (its process ended when it still runs 5 s after the
// key). The caller then ends the launcher.
void CloseEmulatorForExit(Keyboard& keyboard, Desktop& desktop);

}  // namespace zent
