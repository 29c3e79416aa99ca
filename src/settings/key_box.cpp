#include "settings/key_box.h"

#include <string>

#include "settings/pending_game.h"

namespace zent {

void KeyBoxForm::Form_Load() {
    // In exit-key mode the caption alone asks for the key.
    if (!ExitKeyCapture) {
        view_.SetPrompt(kDriveKeyPrompt);
    }
}

void KeyBoxForm::Form_KeyDown(std::int16_t keyCode) {
    if (ExitKeyCapture) {
        // Once the Settings window is closed its edits are gone; so is the key.
        if (SettingsView* settings = windows_.Settings()) {
            settings->SetExitKeyText(std::to_string(keyCode));
        }
    } else {
        NewGameDriveKey = keyCode;
        windows_.ShowRenderer();
    }
    windows_.CloseKeyBox();
}

}  // namespace zent
