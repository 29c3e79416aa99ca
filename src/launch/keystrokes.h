#pragma once
// The two keystroke primitives: every key the launcher injects goes through them.

#include <string>

#include "launch/launch_platform.h"

namespace zent {

// Key down and key up, back to back, scan code 0 and extra information 0.
void PressKey(Keyboard& keyboard, KeyCode key);

// Alt down, key down, Alt up, key up.
void PressAltChord(Keyboard& keyboard, KeyCode key);

// The name of a key on the keyboard ("Enter", "O", "Num+"), for the trace.
std::string KeyName(KeyCode key);

}  // namespace zent
