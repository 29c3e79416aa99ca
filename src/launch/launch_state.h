#pragma once
// The launch state of the current game: the record found for GameName, unpacked,
// and the emulator started for it. The values of the last launch stay for the
// life of the process.

#include <cstdint>
#include <string>

#include "launch/launch_platform.h"

namespace zent {

// Decimal text of the virtual-key code of the game's drive letter.
extern std::string DriveKey;
// 0 and 1: "zentavio.exe", 2 and 3: "zentavio_old_gfx.exe"; 1 and 3 with the Capcom hack.
extern std::int16_t RendererType;
// Set for renderer types 1 and 3 when the emulator is started; never cleared.
extern bool CapcomHack;
extern bool ZWrite;
extern bool ZWriteAlpha;
extern bool NtscMode;
// The process of the emulator started by the launch; 0 before one was started.
extern ProcessId EmulatorProcess;
// When Timer1 next looks whether the emulator has ended; never again once it has.
extern std::uint64_t EmulatorEndCheckDue;

// Splits a record text ("68|1|True|False|False") into the launch state. Every
// field is checked before any global changes, so a bad record starts nothing;
// the error names the game, the configuration file and the offending text.
void UnpackRecord(const std::string& record);

// DriveKey as the 8-bit key code it stands for.
KeyCode DriveKeyCode();

}  // namespace zent
