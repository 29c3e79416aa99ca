#pragma once
// The Settings window's behaviour: loading the options and games into the
// controls, the buttons, and the collection that writes them back.

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
    // Also a double-click on a row, or Enter on the list.
    void cmdEdit_Click();
    void cmdDelete_Click();
    void cmdExit_Click();
    void cmdOk_Click();
    void cmdTest_Click();
    void cmdPad_Click();
    void txtExitKey_Change();

private:
    // Fills the controls from the file's bytes, which are kept to tell
    // another program's change from the file this window shows.
    void Show(const std::string& bytes);
    // StoreSettingsAndSave; false when nothing was written: the player said
    // not to, or it failed, after the player was shown why. The window then
    // keeps every edit (but after a reload the player asked for), so the player
    // can remove the cause and save again.
    bool Save();
    // Asks about an exit key no launch can use as typed; true to go on.
    bool ExitKeyConfirmed();
    // Whether zentconfig.ini on disk is still the file this window loaded, or
    // the player said to save over it.
    bool FileConfirmed();
    // The chain of dialogs for the images chosen, or for an edit.
    void StartChain(const std::string& name, int renderer);

    SettingsView& view_;
    SettingsWindows& windows_;
    std::string loaded_;
};

}  // namespace zent
