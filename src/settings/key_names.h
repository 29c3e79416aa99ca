#pragma once
// Key codes as a player reads them ("Esc", "F12", "Num 5"), and what the
// Settings window says about an exit-key text that a launch cannot use as typed.

#include <cstdint>
#include <string>
#include <string_view>

namespace zent {

// The key's name on the keyboard; "key code 7" for a code without one.
std::string KeyName(std::int32_t code);

// The text is a key code as Redefine writes it: decimal digits only, 1 to 254.
bool IsKeyCodeText(std::string_view text);

// What stands beside the exit-key box: the name of the key a launch will use.
std::string ExitKeyShown(std::string_view text);

// The question to ask before saving the exit-key text, or the empty text when
// it saves without one (a key code, or the empty box, which means Esc).
std::string ExitKeyQuestion(std::string_view text);

}  // namespace zent
