#pragma once
// The launch state of the current game: the record found for its name, unpacked,
// and what the launch started and found.

#include <cstdint>
#include <optional>
#include <string>

#include "launch/launch_platform.h"
#include "pads/pad_exit.h"
#include "startup/config_store.h"

namespace zent {

// What a launch knows: the game, its record unpacked, the emulator started for
// it, its window and the screen, the front end, the pad exit's watch. One value
// of the process, Launch; a fresh LaunchState is the state before any launch.
// The values of the last launch stay for the life of the process.
struct LaunchState {
    // Key name of the game to launch: set by Main from the command line, or by Test Game.
    std::string GameName;
    // Decimal text of the virtual-key code of the game's drive letter.
    std::string DriveKey;
    // 0 and 1: "zentavio.exe", 2 and 3: "zentavio_old_gfx.exe"; 1 and 3 with the Capcom hack.
    std::int16_t RendererType = 0;
    // Set for renderer types 1 and 3 when the emulator is started; never cleared.
    bool CapcomHack = false;
    bool ZWrite = false;
    bool ZWriteAlpha = false;
    bool NtscMode = false;
    // The process of the emulator started by the launch; 0 before one was started.
    ProcessId EmulatorProcess = 0;
    // When Timer1 next looks whether the emulator has ended; never again once it has.
    std::uint64_t EmulatorEndCheckDue = 0;
    // The emulator's game window as captured by PlaceEmulatorWindow (the main
    // window of what was in front); 0 when the foreground window then belonged
    // to another process.
    WindowHandle EmulatorWindow = 0;
    // The game's display, as the launch chose it before the emulator's start.
    std::int32_t ScreenLeft = 0;
    std::int32_t ScreenTop = 0;
    std::int32_t ScreenWidth = 0;
    std::int32_t ScreenHeight = 0;
    // The window in front as the launch begins when it is another program's,
    // the front end's as a rule; 0 when there was none.
    WindowHandle FrontEndWindow = 0;
    // The configuration's pad exit over the platform's pads, from the start of
    // the launch; nothing while no launch watches the pads.
    std::optional<PadExitWatch> PadWatch;
};
extern LaunchState Launch;

// Puts a game's record into the launch state. Every field is checked before
// anything changes, so a bad record starts nothing; the error names the game,
// the configuration file and the offending text.
void UnpackRecord(const GameRecord& record);

// Launch.DriveKey as the 8-bit key code it stands for.
KeyCode DriveKeyCode();

}  // namespace zent
