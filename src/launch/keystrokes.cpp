#include "launch/keystrokes.h"

namespace zent {

namespace {

void KeyDown(LaunchPlatform& platform, KeyCode key) {
    platform.KeyboardEvent(key, 0, 0, 0);
}

void KeyUp(LaunchPlatform& platform, KeyCode key) {
    platform.KeyboardEvent(key, 0, kKeyEventKeyUp, 0);
}

}  // namespace

void PressKey(LaunchPlatform& platform, KeyCode key) {
    KeyDown(platform, key);
    KeyUp(platform, key);
}

// Alt goes up before the chord's key: the emulator's menu opens on the key-down
// while Alt is held, and Alt is never released alone, which would activate the
// menu bar of whatever window has the focus.
void PressAltChord(LaunchPlatform& platform, KeyCode key) {
    KeyDown(platform, kKeyAlt);
    KeyDown(platform, key);
    KeyUp(platform, kKeyAlt);
    KeyUp(platform, key);
}

}  // namespace zent
