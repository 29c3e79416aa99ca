#pragma once
// The game being added and the mode of the key capture dialog: state that the
// Settings window, the key capture dialog and the renderer dialog share.

#include <cstdint>
#include <string>
#include <variant>

namespace zent {

// Empty text until the key capture dialog has stored the captured key code.
using DriveKeyValue = std::variant<std::string, std::int16_t>;

// The game Add Game is adding, and what the next captured key is for. One value
// of the process, Pending; a fresh PendingAddition is the state before any.
struct PendingAddition {
    // Upper-cased base name of the chosen image file.
    std::string NewGameName;
    DriveKeyValue NewGameDriveKey;
    // Position of the chosen renderer, 0 to 3.
    int NewGameRenderer = 0;
    // True: the next captured key is the exit key; false: a new game's drive key.
    bool ExitKeyCapture = false;
};
extern PendingAddition Pending;

}  // namespace zent
