#pragma once
// The game being added and the mode of the key capture dialog: state that the
// Settings window, the key capture dialog and the renderer dialog share.

#include <cstdint>
#include <string>
#include <variant>

namespace zent {

// Empty text until the key capture dialog has stored the captured key code.
using DriveKeyValue = std::variant<std::string, std::int16_t>;

// Upper-cased base name of the chosen image file.
extern std::string NewGameName;
extern DriveKeyValue NewGameDriveKey;
// Position of the chosen renderer, 0 to 3.
extern int NewGameRenderer;
// True: the next captured key is the exit key; false: a new game's drive key.
extern bool ExitKeyCapture;

}  // namespace zent
