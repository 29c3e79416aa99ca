#pragma once
// The steps that work the emulator's menus by keystrokes (the methods of Form1).
// They inject blind: nothing checks where the keys land.

#include "launch/launch_platform.h"

namespace zent {

// Opens the emulator's drive dialog with the focus on the drive choice.
void StartUpSequence(Keyboard& keyboard);
// Picks the drive of DriveKey in that dialog and confirms it.
void SelectDrive(Keyboard& keyboard);
// Starts the game.
void InitGame(Keyboard& keyboard);

// The option toggles, each an entry of menu O; the caller decides which run.
void InitCapcom(Keyboard& keyboard);
void InitFps(Keyboard& keyboard);
void InitNTSC(Keyboard& keyboard);
void InitZwrite(Keyboard& keyboard);
void InitZwriteAlpha(Keyboard& keyboard);
void InitHighPriority(Keyboard& keyboard);

// Numeric keypad + or - once per whole percentage point between CpuSpeed and 100.
void SetCpuSpeed(Keyboard& keyboard);

// The most speed-key presses SetCpuSpeed sends.
inline constexpr int kMaxCpuSpeedPresses = 1000;

}  // namespace zent
