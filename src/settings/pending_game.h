#pragma once
// The game being added or edited and the mode of the key capture dialog: state
// that the Settings window, the key capture dialog and the renderer dialog share.

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <variant>
#include <vector>

namespace zent {

// Empty text until the key capture dialog has stored the captured key code.
using DriveKeyValue = std::variant<std::string, std::int16_t>;

// An image Add Game takes, and the game's name from it.
struct ChosenImage {
    std::string path;
    std::string name;
};

// The row Edit Game asks again for, as it was when the edit began, and its place.
struct EditedGame {
    int index = 0;
    std::string row;
};

// The game Add Game is adding, and what the next captured key is for. One value
// of the process, Pending; a fresh PendingAddition is the state before any.
struct PendingAddition {
    // Upper-cased base name of the chosen image file (of the first, when
    // several were chosen).
    std::string NewGameName;
    DriveKeyValue NewGameDriveKey;
    // Position of the chosen renderer, 0 to 3.
    int NewGameRenderer = 0;
    // True: the next captured key is the exit key; false: a new game's drive key.
    bool ExitKeyCapture = false;
    // The first image's path, and the images chosen with it, in the open-file
    // dialog's order: each becomes a row with the same answers.
    std::string NewGameImage;
    std::vector<ChosenImage> MoreImages;
    // The chosen images that are not added, each with why; told in one box once
    // the answers are in.
    std::vector<std::string> Skipped;
    // Edit Game: the row the answers replace; none for an addition.
    std::optional<EditedGame> Edited;
    // The renderer the renderer dialog starts on.
    int StartRenderer = 0;
};
extern PendingAddition Pending;

class SettingsView;

// The names of the list's games, upper-cased as a launch compares them.
std::set<std::string> ListedNames(const SettingsView& view);
// Why an image was not added: its game's name is in the list already.
std::string AlreadyListed(const std::string& path, const std::string& name);
// The one box about the images not added.
std::string SkippedNotice(const std::vector<std::string>& skipped);

}  // namespace zent
