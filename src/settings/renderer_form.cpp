#include "settings/renderer_form.h"

#include <variant>

#include "settings/pending_game.h"

namespace zent {

std::string ComposeGameRow(const NewGameRow& game) {
    GameRecord record;
    record[kGameName] = game.name;
    record[kGameDriveKey] = std::to_string(game.driveKey);
    record[kGameRendererType] = std::to_string(game.renderer);
    for (std::size_t option = 0; option < kGameOptionCount; ++option) {
        record[kGameZWriting + option] = game.options[option] ? "True" : "False";
    }
    return JoinGameRow(record);
}

void RendererForm::Form_Load() {
    view_.SelectRenderer(0);
}

void RendererForm::cmdOk_Click() {
    // All the windows of an addition are modeless, so a newer Add Game may have
    // reset the drive key before its own key was captured. A row needs a key
    // code, so Ok waits (the dialog stays open) until the capture has happened.
    const auto* driveKey = std::get_if<std::int16_t>(&Pending.NewGameDriveKey);
    if (driveKey == nullptr) {
        return;
    }
    // Taken now: while the questions are open a newer Add Game may change the
    // shared pending state again, and the row must describe one game.
    NewGameRow game{Pending.NewGameName, *driveKey, 0, {}};
    Pending.NewGameRenderer = view_.SelectedRenderer();
    game.renderer = Pending.NewGameRenderer;
    for (std::size_t i = 0; i < kGameOptionCount; ++i) {
        game.options[i] = windows_.AskYesNo(kRenderingOptionsTitle, kRenderingQuestions[i]);
    }
    // Once the Settings window is closed its edits are gone; so is the new row.
    if (SettingsView* settings = windows_.Settings()) {
        settings->AppendGameRow(ComposeGameRow(game));
    }
    windows_.CloseRenderer();
}

}  // namespace zent
