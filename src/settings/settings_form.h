#pragma once
// The Settings window's behaviour: loading the options and games into the
// controls, the six buttons, and the collection that writes them back.

#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_views.h"

namespace zent {

// A new game's name from its image path: the file name after the last "\", cut
// at its first ".", without the blanks around it, upper-cased: the name that a
// launch of that image looks up.
std::string GameNameFromPath(std::string_view path);

// The CPU speed as the window shows it: general form with "." whatever the locale.
std::string CpuSpeedText(double speed);

// The six fields of a games list row; pieces after the sixth are ignored.
std::vector<std::string> SplitGameRow(const std::string& row);

// Copies the controls into the global options, Config.GameCount and Config.GameTable, and
// writes the configuration file.
void StoreSettingsAndSave(const SettingsView& view);

class SettingsForm {
public:
    SettingsForm(SettingsView& view, SettingsWindows& windows) : view_(view), windows_(windows) {}

    void Form_Load();
    void cmdAdd_Click();
    void cmdDelete_Click();
    void cmdExit_Click();
    void cmdOk_Click();
    void cmdTest_Click();
    void cmdPad_Click();

private:
    // StoreSettingsAndSave; false when it failed, after the player was shown
    // why. Nothing was written then, and the window keeps every edit, so the
    // player can remove the cause and save again.
    bool Save();

    SettingsView& view_;
    SettingsWindows& windows_;
};

}  // namespace zent
