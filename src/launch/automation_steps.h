#pragma once
// The steps that work the emulator's menus by keystrokes (the methods of Form1).
// They inject blind: nothing checks where the keys land.

#include "launch/launch_platform.h"

namespace zent {

// Opens the emulator's drive dialog with the focus on the drive choice.
void StartUpSequence(LaunchPlatform& platform);
// Picks the drive of DriveKey in that dialog and confirms it.
void SelectDrive(LaunchPlatform& platform);
// Starts the game.
void InitGame(LaunchPlatform& platform);

// The option toggles, each an entry of menu O; the caller decides which run.
void InitCapcom(LaunchPlatform& platform);
void InitFps(LaunchPlatform& platform);
void InitNTSC(LaunchPlatform& platform);
void InitZwrite(LaunchPlatform& platform);
void InitZwriteAlpha(LaunchPlatform& platform);
void InitHighPriority(LaunchPlatform& platform);

// Numeric keypad + or - once per whole percentage point between CpuSpeed and 100.
void SetCpuSpeed(LaunchPlatform& platform);

// The most speed-key presses SetCpuSpeed sends.
inline constexpr int kMaxCpuSpeedPresses = 1000;

}  // namespace zent
