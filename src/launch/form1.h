#pragma once
// The launch form's logic: the run that loading Form1 performs, and the tick of
// its exit-key watcher. form1_win.cpp hands the events over and does what they
// come to: it starts Timer1 or ends the process.

#include <cstdint>

#include "launch/launch_platform.h"

namespace zent {

inline constexpr const char* kSavedEmulatorConfig = "tempavio.cfg";
inline constexpr const char* kEmulatorConfig = "zentavio.cfg";
inline constexpr std::uint32_t kTimer1Interval = 1;
// Timer1 asks this seldom whether the emulator has ended: each question is a
// call into the system, and the tick's other work is one key state.
inline constexpr std::uint64_t kEmulatorEndCheckInterval = 100;

// The emulator build for a renderer type (0..3).
const char* EmulatorProgramName(std::int16_t rendererType);

// What a launch came to.
enum class LaunchResult {
    // Silent ends, before anything is copied or started.
    kGameNotFound,
    kAnotherLaunchRuns,
    // The exit (the key or the pad exit) stopped it, and the emulator, if one was started, has been
    // closed: the launcher ends.
    kExitKey,
    // The game runs: Timer1 starts, at kTimer1Interval.
    kLaunched,
};

// The whole launch of Launch.GameName: configuration, record, the emulator started on
// the saved configuration, the automation steps.
LaunchResult Form_Load(const LaunchPlatform& platform);

// One tick of Timer1: one read of the exit key and the pad exit, and now and then
// a look at whether the emulator has ended. True when either is held: the caller
// stops Timer1, closes the emulator (CloseEmulatorForExit) and ends.
bool Timer1_Timer(const LaunchPlatform& platform);

}  // namespace zent
