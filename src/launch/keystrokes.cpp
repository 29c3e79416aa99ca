#include "launch/keystrokes.h"

namespace zent {

namespace {

void KeyDown(Keyboard& keyboard, KeyCode key) {
    keyboard.KeyboardEvent(key, 0, 0, 0);
}

void KeyUp(Keyboard& keyboard, KeyCode key) {
    keyboard.KeyboardEvent(key, 0, kKeyEventKeyUp, 0);
}

}  // namespace

void PressKey(Keyboard& keyboard, KeyCode key) {
    KeyDown(keyboard, key);
    KeyUp(keyboard, key);
}

// Alt goes up before the chord's key: the emulator's menu opens on the key-down
// while Alt is held, and Alt is never released alone, which would activate the
// menu bar of whatever window has the focus.
void PressAltChord(Keyboard& keyboard, KeyCode key) {
    KeyDown(keyboard, kKeyAlt);
    KeyDown(keyboard, key);
    KeyUp(keyboard, kKeyAlt);
    KeyUp(keyboard, key);
}

std::string KeyName(KeyCode key) {
    switch (key) {
        case kKeyTab:
            return "Tab";
        case kKeyReturn:
            return "Enter";
        case kKeyAlt:
            return "Alt";
        case kKeyRight:
            return "Right";
        case kKeyDown:
            return "Down";
        case kKeyAdd:
            return "Num+";
        case kKeySubtract:
            return "Num-";
        case kKeyF4:
            return "F4";
        default:
            if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) {
                return std::string(1, static_cast<char>(key));
            }
            return "key " + std::to_string(key);
    }
}

}  // namespace zent
