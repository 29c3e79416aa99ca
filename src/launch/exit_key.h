#pragma once
// The player's ways out of a game, the exit key and the pad exit: read as
// Timer1 reads them, checked before a launch starts anything, and what holding
// one does to the emulator we started.

#include <cstdint>

#include "launch/launch_platform.h"
#include "pads/pad_reader.h"

namespace zent {

// The key codes a keyboard produces, 1 to 254: the only ones the exit key can
// be watched as. 0 and 255 (which some keyboards' special and Fn keys send)
// are no key.
constexpr bool IsKeyboardKey(std::int32_t code) {
    return code >= 1 && code <= 254;
}

// Stops the launch before anything is copied or started when Config.ExitKeyCode is
// no keyboard key: the player would have no way out.
void RequireUsableExitKey();

// Watches the configuration's pad exit on pads, beside the exit key (Launch.PadWatch), from the
// next look at it on; null stops watching. That look loads XInput (about 150 ms under Wine), so the
// launch begins the watch where a pause on its clock absorbs the load.
void WatchPadExit(PadReader* pads);

// The player asks to leave: Config.ExitKeyCode held (bit 0x1000 of GetKeyState's word
// set), or the pad exit's buttons held together on one pad for 1 s.
bool ExitRequested(Keyboard& keyboard, Clock& clock);

// Closes the emulator the launch started, and nothing else: Alt+F4 when one of
// its windows has the focus, otherwise the Close command to each of its visible
// windows, and when it has none, the end of its process.
void CloseEmulator(Keyboard& keyboard, Desktop& desktop, Processes& processes);

// How long the emulator is given to end after the exit key, its own boxes and
// questions included, before its process is ended; the close is repeated at
// this pace meanwhile, since the first may only shut a box or dialog.
inline constexpr std::uint32_t kEmulatorCloseTimeout = 5000;
inline constexpr std::uint32_t kCloseRepeatInterval = 1000;

// Thrown where the launch sees the exit asked for, before any key of a press or
// chord: the launch stops there, and Form_Load closes the emulator.
struct ExitKeyStop {};

// What the exit asked for does before the launcher ends: 500 ms, then the
// emulator closed until it has ended (its process ended when it still runs 5 s
// after the key). The caller then ends the launcher.
void CloseEmulatorForExit(Keyboard& keyboard, Desktop& desktop, Processes& processes, Clock& clock);

// Notes Launch.FrontEndWindow.
void RememberFrontEnd(Desktop& desktop, Processes& processes);

// The launcher's last act after a game (the exit key, the pad exit, or the
// error box's OK), with the emulator gone and the backdrop still up: it waits
// up to 3 s for the exit key and the pad exit's buttons to be let go, so that
// no Start still held reaches the front end and starts the game again, then
// gives Launch.FrontEndWindow the foreground. Where Windows refuses, it lets the
// program that started the launcher take it. It never forces the foreground.
void ReturnToFrontEnd(Keyboard& keyboard, Desktop& desktop, Processes& processes, Clock& clock);

}  // namespace zent
