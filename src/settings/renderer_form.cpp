#include "settings/renderer_form.h"

#include <optional>
#include <set>
#include <variant>
#include <vector>

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
    view_.SelectRenderer(Pending.StartRenderer);
}

namespace {

// The row as the edit began, at its place or, when rows above it went meanwhile,
// wherever it is now; -1 once it is gone.
int EditedRowNow(const SettingsView& settings, const EditedGame& edited) {
    const int rows = settings.GameRowCount();
    if (edited.index < rows && settings.GameRow(edited.index) == edited.row) {
        return edited.index;
    }
    for (int i = 0; i < rows; ++i) {
        if (settings.GameRow(i) == edited.row) {
            return i;
        }
    }
    return -1;
}

}  // namespace

void RendererForm::cmdOk_Click() {
    // All the windows of an addition are modeless, so a newer Add Game may have
    // reset the drive key before its own key was captured. A row needs a key
    // code, so Ok waits (the dialog stays open) until the capture has happened.
    const auto* driveKey = std::get_if<std::int16_t>(&Pending.NewGameDriveKey);
    if (driveKey == nullptr) {
        return;
    }
    // Taken now: while the questions are open a newer Add Game may change the
    // shared pending state again, and the rows must describe what was chosen.
    NewGameRow game{Pending.NewGameName, *driveKey, 0, {}};
    std::vector<ChosenImage> images{{Pending.NewGameImage, Pending.NewGameName}};
    images.insert(images.end(), Pending.MoreImages.begin(), Pending.MoreImages.end());
    std::vector<std::string> skipped = Pending.Skipped;
    const std::optional<EditedGame> edited = Pending.Edited;
    Pending.NewGameRenderer = view_.SelectedRenderer();
    game.renderer = Pending.NewGameRenderer;
    for (std::size_t i = 0; i < kGameOptionCount; ++i) {
        game.options[i] = windows_.AskYesNo(kRenderingOptionsTitle, kRenderingQuestions[i]);
    }
    // Once the Settings window is closed its edits are gone; so are the answers.
    SettingsView* settings = windows_.Settings();
    if (settings != nullptr && edited) {
        const int row = EditedRowNow(*settings, *edited);
        if (row >= 0) {
            settings->ReplaceGameRow(row, ComposeGameRow(game));
        }
    } else if (settings != nullptr) {
        // A game may have come into the list since the images were chosen.
        std::set<std::string> listed = ListedNames(*settings);
        for (const ChosenImage& image : images) {
            if (listed.insert(image.name).second) {
                game.name = image.name;
                settings->AppendGameRow(ComposeGameRow(game));
            } else {
                skipped.push_back(AlreadyListed(image.path, image.name));
            }
        }
    }
    windows_.CloseRenderer();
    if (settings != nullptr && !skipped.empty()) {
        windows_.Tell(SkippedNotice(skipped));
    }
}

}  // namespace zent
