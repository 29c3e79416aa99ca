#include "stand_in_controls.h"

#include <array>
#include <span>

namespace zent {

namespace {

struct MenuEntry {
    const char* name;
    std::vector<const char*> submenu;
};

// Menu O as the launcher counts it: entry 1 the drive dialog, submenus at 2, 4
// and 5, the Capcom hack at 6.
const std::array<MenuEntry, 6> kMenuO = {{
    {"drive-dialog", {}},
    {"video", {"z-writing", "alpha-z-writing", "bilinear-filter", "frame-rate-display"}},
    {"sound", {}},
    {"region", {"pal", "ntsc"}},
    {"process", {"normal-priority", "high-priority"}},
    {"capcom-hack", {}},
}};

const std::array<MenuEntry, 2> kMenuR = {{
    {"start-game", {}},
    {"reset", {}},
}};

std::span<const MenuEntry> EntriesOf(char menu) {
    if (menu == 'O') {
        return kMenuO;
    }
    return kMenuR;
}

int Wrap(int index, int count) {
    return (index % count + count) % count;
}

}  // namespace

KeyReaction StandInControls::Press(int key, bool alt) {
    if (mode_ == Mode::kMenu) {
        return PressInMenu(key, alt);
    }
    if (mode_ == Mode::kDriveDialog) {
        return PressInDriveDialog(key);
    }
    if (alt && (key == 'O' || key == 'R')) {
        OpenMenu(static_cast<char>(key));
        return {true, {}};
    }
    if (!alt && (key == kKeyAdd || key == kKeySubtract)) {
        speed_ += key == kKeyAdd ? 1 : -1;
        return {true, {"speed " + std::to_string(speed_)}};
    }
    return {};
}

void StandInControls::OpenMenu(char letter) {
    mode_ = Mode::kMenu;
    menu_ = letter;
    entry_ = 0;
    subentry_ = -1;
}

KeyReaction StandInControls::PressInMenu(int key, bool alt) {
    const auto entries = EntriesOf(menu_);
    const auto& submenu = entries[entry_].submenu;
    const int step = key == kKeyDown ? 1 : key == kKeyUp ? -1 : 0;
    if (alt && (key == 'O' || key == 'R')) {
        OpenMenu(static_cast<char>(key));
    } else if (step != 0 && subentry_ >= 0) {
        subentry_ = Wrap(subentry_ + step, static_cast<int>(submenu.size()));
    } else if (step != 0) {
        entry_ = Wrap(entry_ + step, static_cast<int>(entries.size()));
    } else if (key == kKeyRight && subentry_ < 0 && !submenu.empty()) {
        subentry_ = 0;
    } else if ((key == kKeyLeft || key == kKeyEscape) && subentry_ >= 0) {
        subentry_ = -1;
    } else if (key == kKeyEscape) {
        mode_ = Mode::kIdle;
    } else if (key == kKeyReturn && subentry_ < 0 && !submenu.empty()) {
        subentry_ = 0;
    } else if (key == kKeyReturn) {
        return Choose();
    }
    // An open menu takes every key, as a real one does.
    return {true, {}};
}

KeyReaction StandInControls::Choose() {
    const auto& entry = EntriesOf(menu_)[entry_];
    std::string position = std::string(1, menu_) + std::to_string(entry_ + 1);
    std::string name = entry.name;
    if (subentry_ >= 0) {
        position += "." + std::to_string(subentry_ + 1);
        name = entry.submenu[subentry_];
    }
    mode_ = Mode::kIdle;
    lastCommand_ = name;
    if (menu_ == 'O' && entry_ == 0) {
        mode_ = Mode::kDriveDialog;
        dialogFocus_ = 0;
        dialogDrive_ = 0;
    }
    if (menu_ == 'R' && entry_ == 0) {
        gameRunning_ = true;
    }
    return {true, {"command " + position + " " + name}};
}

KeyReaction StandInControls::PressInDriveDialog(int key) {
    if (key == kKeyTab) {
        dialogFocus_ = (dialogFocus_ + 1) % 3;
    } else if (key >= 'A' && key <= 'Z' && dialogFocus_ == 2) {
        dialogDrive_ = static_cast<char>(key);
    } else if (key == kKeyReturn) {
        mode_ = Mode::kIdle;
        drive_ = dialogDrive_;
        return {true, {drive_ ? std::string("drive ") + drive_ : "drive none"}};
    } else if (key == kKeyEscape) {
        CloseDialog();
        return {true, {"drive-dialog cancelled"}};
    }
    return {true, {}};
}

bool StandInControls::CloseDialog() {
    const bool open = mode_ == Mode::kDriveDialog;
    if (open) {
        mode_ = Mode::kIdle;
    }
    return open;
}

std::vector<std::string> StandInControls::Describe() const {
    std::vector<std::string> lines;
    lines.push_back(std::string("Drive: ") + (drive_ ? std::string(1, drive_) : "none"));
    lines.push_back("Last command: " + (lastCommand_.empty() ? "none" : lastCommand_));
    lines.push_back(std::string("Game: ") + (gameRunning_ ? "running" : "not started"));
    lines.push_back("CPU speed: " + std::to_string(speed_) + " %");
    if (mode_ == Mode::kMenu) {
        const auto& entry = EntriesOf(menu_)[entry_];
        std::string open = std::string("Menu ") + menu_ + " open at " + entry.name;
        if (subentry_ >= 0) {
            open += std::string(" > ") + entry.submenu[subentry_];
        }
        lines.push_back(open);
    } else if (mode_ == Mode::kDriveDialog) {
        static const char* const kFocus[] = {"image path", "browse", "drive choice"};
        lines.push_back(std::string("Drive dialog open, focus on ") + kFocus[dialogFocus_]);
    }
    return lines;
}

}  // namespace zent
