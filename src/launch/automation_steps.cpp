#include "launch/automation_steps.h"

#include <cmath>
#include <initializer_list>

#include "launch/keystrokes.h"
#include "launch/launch_state.h"
#include "startup/config_store.h"

namespace zent {

namespace {

// Alt+O opens menu O with its first entry highlighted; the keys then walk to
// the entry, and Enter chooses it, which closes the menu for the next step.
void ChooseFromMenuO(LaunchPlatform& platform, std::initializer_list<KeyCode> keys) {
    PressAltChord(platform, kKeyO);
    for (const KeyCode key : keys) {
        PressKey(platform, key);
    }
}

}  // namespace

// Enter on menu O's first entry opens the drive dialog; two Tabs reach the drive choice.
void StartUpSequence(LaunchPlatform& platform) {
    PressAltChord(platform, kKeyO);
    PressKey(platform, kKeyReturn);
    PressKey(platform, kKeyTab);
    PressKey(platform, kKeyTab);
}

// The pause lets the drive dialog open before its key arrives.
void SelectDrive(LaunchPlatform& platform) {
    platform.Sleep(100);
    PressKey(platform, DriveKeyCode());
    PressKey(platform, kKeyReturn);
}

void InitGame(LaunchPlatform& platform) {
    PressAltChord(platform, kKeyR);
    PressKey(platform, kKeyReturn);
}

void InitCapcom(LaunchPlatform& platform) {
    ChooseFromMenuO(platform, {kKeyDown, kKeyDown, kKeyDown, kKeyDown, kKeyDown, kKeyReturn});
}

void InitFps(LaunchPlatform& platform) {
    ChooseFromMenuO(platform, {kKeyDown, kKeyRight, kKeyDown, kKeyDown, kKeyDown, kKeyReturn});
}

void InitNTSC(LaunchPlatform& platform) {
    ChooseFromMenuO(platform, {kKeyDown, kKeyDown, kKeyDown, kKeyRight, kKeyDown, kKeyReturn});
}

void InitZwrite(LaunchPlatform& platform) {
    ChooseFromMenuO(platform, {kKeyDown, kKeyRight, kKeyReturn});
}

void InitZwriteAlpha(LaunchPlatform& platform) {
    ChooseFromMenuO(platform, {kKeyDown, kKeyRight, kKeyDown, kKeyReturn});
}

void InitHighPriority(LaunchPlatform& platform) {
    ChooseFromMenuO(platform,
                    {kKeyDown, kKeyDown, kKeyDown, kKeyDown, kKeyRight, kKeyDown, kKeyReturn});
}

// The emulator starts at 100 % and each press moves it one point. A fraction of
// a point gives no press. The series is capped: every press costs at least 1 ms
// of a blocked launcher, and a typing slip such as 10000 would otherwise hold
// it for many seconds; 1000 points covers every useful speed.
void SetCpuSpeed(LaunchPlatform& platform) {
    const double distance = std::fabs(CpuSpeed - 100);
    if (!(distance >= 1)) {
        return;
    }
    const int presses =
        distance >= kMaxCpuSpeedPresses ? kMaxCpuSpeedPresses : static_cast<int>(distance);
    const KeyCode key = CpuSpeed > 100 ? kKeyAdd : kKeySubtract;
    for (int i = 0; i < presses; ++i) {
        PressKey(platform, key);
        platform.Sleep(1);
    }
}

}  // namespace zent
