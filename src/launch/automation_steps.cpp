#include "launch/automation_steps.h"

#include <cmath>
#include <initializer_list>

#include "launch/emulator_window.h"
#include "launch/keystrokes.h"
#include "launch/launch_state.h"
#include "startup/config_store.h"

namespace zent {

namespace {

// Alt+O opens menu O with its first entry highlighted; the keys then walk to
// the entry, and Enter chooses it, which closes the menu for the next step.
void ChooseFromMenuO(Keyboard& keyboard, std::initializer_list<KeyCode> keys) {
    PressAltChord(keyboard, kKeyO);
    for (const KeyCode key : keys) {
        PressKey(keyboard, key);
    }
}

// Enter on menu O's first entry opens the drive dialog; two Tabs reach the drive choice.
void StartUpSequence(Keyboard& keyboard) {
    PressAltChord(keyboard, kKeyO);
    PressKey(keyboard, kKeyReturn);
    PressKey(keyboard, kKeyTab);
    PressKey(keyboard, kKeyTab);
}

// The pause lets the drive dialog open before its key arrives.
void SelectDrive(Keyboard& keyboard) {
    keyboard.Sleep(100);
    PressKey(keyboard, DriveKeyCode());
    PressKey(keyboard, kKeyReturn);
}

void InitGame(Keyboard& keyboard) {
    PressAltChord(keyboard, kKeyR);
    PressKey(keyboard, kKeyReturn);
}

void InitCapcom(Keyboard& keyboard) {
    ChooseFromMenuO(keyboard, {kKeyDown, kKeyDown, kKeyDown, kKeyDown, kKeyDown, kKeyReturn});
}

void InitFps(Keyboard& keyboard) {
    ChooseFromMenuO(keyboard, {kKeyDown, kKeyRight, kKeyDown, kKeyDown, kKeyDown, kKeyReturn});
}

void InitNTSC(Keyboard& keyboard) {
    ChooseFromMenuO(keyboard, {kKeyDown, kKeyDown, kKeyDown, kKeyRight, kKeyDown, kKeyReturn});
}

void InitZwrite(Keyboard& keyboard) {
    ChooseFromMenuO(keyboard, {kKeyDown, kKeyRight, kKeyReturn});
}

void InitZwriteAlpha(Keyboard& keyboard) {
    ChooseFromMenuO(keyboard, {kKeyDown, kKeyRight, kKeyDown, kKeyReturn});
}

void InitHighPriority(Keyboard& keyboard) {
    ChooseFromMenuO(keyboard,
                    {kKeyDown, kKeyDown, kKeyDown, kKeyDown, kKeyRight, kKeyDown, kKeyReturn});
}

// The emulator starts at 100 % and each press moves it one point. A fraction of
// a point gives no press. The series is capped: every press costs at least 1 ms
// of a blocked launcher, and a typing slip such as 10000 would otherwise hold
// it for many seconds; 1000 points covers every useful speed.
void SetCpuSpeed(Keyboard& keyboard) {
    const double distance = std::fabs(Config.CpuSpeed - 100);
    if (!(distance >= 1)) {
        return;
    }
    const int presses =
        distance >= kMaxCpuSpeedPresses ? kMaxCpuSpeedPresses : static_cast<int>(distance);
    const KeyCode key = Config.CpuSpeed > 100 ? kKeyAdd : kKeySubtract;
    for (int i = 0; i < presses; ++i) {
        PressKey(keyboard, key);
        keyboard.Sleep(1);
    }
}

// The emulator's window is captured 100 ms after the game was started.
void PlaceEmulatorWindowSoon(Keyboard& keyboard, Desktop& desktop, Screen& screen) {
    keyboard.Sleep(100);
    PlaceEmulatorWindow(desktop, screen);
}

bool Always() {
    return true;
}

// The options come before InitGame, since the emulator reads them when the game
// starts; the window is placed before the speed keys so that they reach it.
constexpr AutomationStep kSteps[] = {
    {"StartUpSequence", Always, StartUpSequence, nullptr},
    {"SelectDrive", Always, SelectDrive, nullptr},
    {"InitCapcom", [] { return Launch.CapcomHack; }, InitCapcom, nullptr},
    // The saved configuration shows the frame rate: the toggle turns it off.
    {"InitFps", [] { return !Config.ShowFps; }, InitFps, nullptr},
    {"InitNTSC", [] { return Launch.NtscMode; }, InitNTSC, nullptr},
    {"InitZwrite", [] { return Launch.ZWrite; }, InitZwrite, nullptr},
    {"InitZwriteAlpha", [] { return Launch.ZWriteAlpha; }, InitZwriteAlpha, nullptr},
    {"InitHighPriority", [] { return Config.HighPriority; }, InitHighPriority, nullptr},
    {"InitGame", Always, InitGame, nullptr},
    {"PlaceEmulatorWindow", Always, nullptr, PlaceEmulatorWindowSoon},
    {"SetCpuSpeed", Always, SetCpuSpeed, nullptr},
};

}  // namespace

const std::span<const AutomationStep> kAutomationSteps = kSteps;

}  // namespace zent
