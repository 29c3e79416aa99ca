#pragma once
// The steps that work the emulator's menus by keystrokes (the methods of Form1).
// They inject blind: nothing checks where the keys land.

#include "launch/launch_platform.h"

namespace zent {

// Alt+O, Enter, Tab, Tab: the drive dialog, focus on the drive choice.
void StartUpSequence(LaunchPlatform& platform);
// The key of DriveKey, then Enter, 100 ms after the dialog was opened.
void SelectDrive(LaunchPlatform& platform);
// Alt+R, Enter: starts the game.
void InitGame(LaunchPlatform& platform);

// The option toggles; each chooses one entry of menu O. The caller tests the condition.
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
