#pragma once
// The launch form's logic: the run that loading Form1 performs, and the tick of
// its exit-key watcher. form1_win.cpp only hands the events over.

#include <cstdint>

#include "launch/launch_platform.h"

namespace zent {

inline constexpr const char* kSavedEmulatorConfig = "tempavio.cfg";
inline constexpr const char* kEmulatorConfig = "zentavio.cfg";
inline constexpr std::uint32_t kTimer1Interval = 1;

// The emulator build for a renderer type (0..3).
const char* EmulatorProgramName(std::int16_t rendererType);

// The whole launch of GameName: configuration, record, the emulator started on
// the saved configuration, the automation steps, then the exit-key watcher.
// A game that is not configured, or a second launch from the same folder,
// ends the process silently.
void Form_Load(LaunchPlatform& platform);

// One tick of Timer1: one read of the exit key; when it is held, closes the
// emulator and ends the process.
void Timer1_Timer(LaunchPlatform& platform);

// The emulator the launch started has ended while the launcher watches the
// exit key (Windows tells the launch form; no tick asks).
void Emulator_Ended(Desktop& desktop);

}  // namespace zent
