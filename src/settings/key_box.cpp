#include "settings/key_box.h"

#include <string>

#include "launch/exit_key.h"
#include "settings/pending_game.h"

namespace zent {

void KeyBoxForm::Form_Load() {
    ShowPrompt();
}

void KeyBoxForm::ShowPrompt() {
    // In exit-key mode the caption alone asks for the key.
    view_.SetPrompt(Pending.ExitKeyCapture ? "" : kDriveKeyPrompt);
}

void KeyBoxForm::Form_KeyDown(std::int16_t keyCode) {
    // A code no keyboard key has would be an exit key the launch refuses, or a
    // drive key no drive dialog knows: the dialog waits for a real key.
    if (!IsKeyboardKey(keyCode)) {
        return;
    }
    if (Pending.ExitKeyCapture) {
        // Once the Settings window is closed its edits are gone; so is the key.
        if (SettingsView* settings = windows_.Settings()) {
            SettingsValues values = settings->Values();
            values.Text(kExitKeyOption) = std::to_string(keyCode);
            settings->SetValues(values);
        }
    } else {
        Pending.NewGameDriveKey = keyCode;
        windows_.ShowRenderer();
    }
    windows_.CloseKeyBox();
}

}  // namespace zent
