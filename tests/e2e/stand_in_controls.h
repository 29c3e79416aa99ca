#pragma once
// What the stand-in emulator does with a key: the menus O and R, the drive
// dialog and the CPU speed, kept apart from the window so that the window
// procedure only translates messages and writes what this returns.

#include <string>
#include <vector>

namespace zent {

// The log lines of the menu entries a launch chooses, as Press reports them.
inline const std::string kDriveDialog = "command O1 drive-dialog";
inline const std::string kCapcom = "command O6 capcom-hack";
inline const std::string kFps = "command O2.4 frame-rate-display";
inline const std::string kNtsc = "command O4.2 ntsc";
inline const std::string kZWrite = "command O2.1 z-writing";
inline const std::string kZWriteAlpha = "command O2.2 alpha-z-writing";
inline const std::string kHighPriority = "command O5.2 high-priority";
inline const std::string kStartGame = "command R1 start-game";

struct KeyReaction {
    bool consumed = false;
    // Log lines, in order: "command O2.4 frame-rate-display", "drive E", "speed 101".
    std::vector<std::string> lines;
};

// Platform-independent, so the launcher's unit tests run its steps against the
// same menus as the end-to-end tests do.
class StandInControls {
public:
    // Key codes the stand-in reacts to (Windows virtual-key values).
    // Its own list, not the launcher's: a wrong code in the launcher must show
    // as a wrong reaction here.
    enum Key : int {
        // Menus and the drive dialog.
        kKeyTab = 0x09,
        kKeyReturn = 0x0D,
        kKeyEscape = 0x1B,
        // Moving in a menu.
        kKeyLeft = 0x25,
        kKeyUp = 0x26,
        kKeyRight = 0x27,
        kKeyDown = 0x28,
        // The CPU speed, on the numeric keypad.
        kKeyAdd = 0x6B,
        kKeySubtract = 0x6D,
    };

    // One key going down; alt is true while Alt is held with it.
    KeyReaction Press(int key, bool alt);

    // Alt+F4 or Escape in a dialog closes the dialog, not the program: true when
    // a dialog was open.
    bool CloseDialog();

    int speed() const { return speed_; }
    bool gameRunning() const { return gameRunning_; }
    // A few lines for the window to show: what is open and what was chosen.
    std::vector<std::string> Describe() const;

private:
    enum class Mode { kIdle, kMenu, kDriveDialog };

    KeyReaction PressInMenu(int key, bool alt);
    KeyReaction PressInDriveDialog(int key);
    void OpenMenu(char letter);
    KeyReaction Choose();

    Mode mode_ = Mode::kIdle;
    char menu_ = 0;         // 'O' or 'R' while a menu is open
    int entry_ = 0;         // highlighted entry, from 0
    int subentry_ = -1;     // highlighted submenu entry, -1 while no submenu is open
    int dialogFocus_ = 0;   // 0 image path, 1 browse button, 2 drive choice
    char dialogDrive_ = 0;  // letter picked in the dialog, 0 while none
    char drive_ = 0;
    std::string lastCommand_;
    bool gameRunning_ = false;
    int speed_ = 100;
};

}  // namespace zent
