#pragma once
// The key capture dialog "Press Any Key": takes the next key press as a new
// game's drive key or as the exit key, by the mode in force at that moment.

#include <cstdint>

#include "settings/settings_views.h"

namespace zent {

inline constexpr const char* kDriveKeyPrompt =
    "Type the Key for the letter of the Virtual Drive this Game will be mounted on.";

class KeyBoxForm {
public:
    KeyBoxForm(KeyBoxView& view, SettingsWindows& windows) : view_(view), windows_(windows) {}

    void Form_Load();
    // The prompt of the mode in force. An opener that shows the open dialog
    // runs it, as it may have changed the mode: the prompt always says what
    // the next key will be taken as.
    void ShowPrompt();
    // keyCode: the virtual-key code; the shift state plays no part.
    void Form_KeyDown(std::int16_t keyCode);

private:
    KeyBoxView& view_;
    SettingsWindows& windows_;
};

}  // namespace zent
