#include "settings/settings_form.h"

#include <algorithm>
#include <limits>
#include <set>
#include <type_traits>

#include "settings/game_columns.h"
#include "settings/key_names.h"
#include "settings/pending_game.h"
#include "startup/config_store.h"
#include "startup/fatal_error.h"
#include "startup/file_system.h"
#include "startup/text_conversions.h"

namespace zent {

std::string GameNameFromPath(std::string_view path) {
    const std::vector<std::string> folders = Split(path, '\\');
    const std::vector<std::string> parts =
        folders.empty() ? std::vector<std::string>{} : Split(folders.back(), '.');
    // A path ending in "\" names no file and so no game: the name stays empty.
    return parts.empty() ? std::string() : UpperCase(TrimSpaces(parts.front()));
}

std::string CpuSpeedText(double speed) {
    return TrimSpaces(GeneralNumber(speed, '.'));
}

std::vector<std::string> SplitGameRow(const std::string& row) {
    std::vector<std::string> fields = Split(row, '|');
    if (fields.size() < kGameFieldCount) {
        Fail(kSubscriptOutOfRange, "The games list row " + Quoted(row) + " does not have the " +
                                       std::to_string(kGameFieldCount) +
                                       " fields separated by \"|\": " + GameFieldList() + ".");
    }
    fields.resize(kGameFieldCount);
    return fields;
}

namespace {

// The global options as their controls show them.
SettingsValues ShownOptions() {
    SettingsValues values;
    for (std::size_t option = 0; option < kGlobalOptionCount; ++option) {
        values.options[option] = std::visit(
            [](auto member) -> SettingsValues::Shown {
                const auto* value = &(Config.*member);
                using Value = std::remove_cv_t<std::remove_pointer_t<decltype(value)>>;
                if constexpr (std::is_same_v<Value, ExitKeyValue>) {
                    return ExitKeyCodeText();
                } else if constexpr (std::is_same_v<Value, double>) {
                    return CpuSpeedText(*value);
                } else if constexpr (std::is_same_v<Value, std::int16_t>) {
                    return std::monostate();  // the games list shows the count
                } else {
                    return *value;
                }
            },
            GlobalOptions()[option].value);
    }
    return values;
}

// The controls' values into Config's options: the exit key's text as typed,
// a number box's leading number.
void StoreOptions(const SettingsValues& values) {
    for (std::size_t option = 0; option < kGlobalOptionCount; ++option) {
        const SettingsValues::Shown& shown = values.options[option];
        std::visit(
            [&](auto member) {
                auto* value = &(Config.*member);
                using Value = std::remove_pointer_t<decltype(value)>;
                if constexpr (std::is_same_v<Value, ExitKeyValue>) {
                    *value = std::get<std::string>(shown);
                } else if constexpr (std::is_same_v<Value, double>) {
                    *value = NumericValue(std::get<std::string>(shown));
                } else if constexpr (!std::is_same_v<Value, std::int16_t>) {
                    *value = std::get<Value>(shown);
                }
            },
            GlobalOptions()[option].value);
    }
}

}  // namespace

void StoreSettingsAndSave(const SettingsView& view) {
    StoreOptions(view.Values());
    const int rows = view.GameRowCount();
    if (rows > std::numeric_limits<std::int16_t>::max()) {
        Fail(kOverflow, "The games list holds " + std::to_string(rows) + " games; at most " +
                            std::to_string(std::numeric_limits<std::int16_t>::max()) +
                            " can be saved.");
    }
    Config.GameCount = static_cast<std::int16_t>(rows);
    // An empty list leaves the table alone: a count of 0 writes no game line anyway.
    if (rows > 0) {
        std::vector<GameRecord> table(static_cast<std::size_t>(rows));
        for (int i = 0; i < rows; ++i) {
            const std::vector<std::string> fields = SplitGameRow(view.GameRow(i));
            std::copy(fields.begin(), fields.end(), table[static_cast<std::size_t>(i)].begin());
        }
        Config.GameTable = std::move(table);
    }
    SaveConfig();
}

void SettingsForm::Form_Load() {
    Show(ActiveFileSystem().ReadAll(ProgramFile(kConfigFileName)));
}

void SettingsForm::Show(const std::string& bytes) {
    LoadConfigText(bytes, ProgramFile(kConfigFileName));
    loaded_ = bytes;
    view_.SetValues(ShownOptions());
    std::vector<std::string> rows;
    for (int i = 0; i < Config.GameCount; ++i) {
        rows.push_back(JoinGameRow(Config.GameTable.at(static_cast<std::size_t>(i))));
    }
    view_.SetGameRows(rows);
    txtExitKey_Change();
}

void SettingsForm::txtExitKey_Change() {
    view_.SetExitKeyName(ExitKeyShown(view_.Values().Text(kExitKeyOption)));
}

void SettingsForm::cmdAdd_Click() {
    const std::vector<std::string> paths = windows_.ChooseFiles();
    if (paths.empty()) {
        return;
    }
    std::vector<ChosenImage> images;
    std::vector<std::string> skipped;
    std::set<std::string> listed = ListedNames(view_);
    for (const std::string& path : paths) {
        const std::string name = GameNameFromPath(path);
        if (name.empty()) {
            skipped.push_back(path +
                              " gives no game name: a game's name is the part of the file name "
                              "before its first dot, without the blanks around it. Rename the "
                              "image file so that it has a name before its first dot.");
        } else if (!FitsAnsi(name)) {
            // The name goes into zentconfig.ini, which is ANSI text: a name the
            // code page cannot hold would be stored as "?" marks, and two such
            // games would share one name.
            skipped.push_back(
                path + ": the game's name " + Quoted(name) +
                " cannot be stored in zentconfig.ini: that file holds ANSI text, and this "
                "system's ANSI code page has no place for some of its characters. Rename the "
                "image file with letters of the system's language, or Latin letters and digits.");
        } else if (!listed.insert(name).second) {
            skipped.push_back(AlreadyListed(path, name));
        } else {
            images.push_back({path, name});
        }
    }
    if (images.empty()) {
        windows_.Tell(SkippedNotice(skipped));
        return;
    }
    Pending.NewGameImage = images.front().path;
    Pending.MoreImages.assign(images.begin() + 1, images.end());
    Pending.Skipped = std::move(skipped);
    Pending.Edited.reset();
    StartChain(images.front().name, 0);
}

void SettingsForm::cmdEdit_Click() {
    const int selected = view_.SelectedGameRow();
    if (selected < 0) {
        return;
    }
    const std::string row = view_.GameRow(selected);
    std::vector<std::string> fields = Split(row, '|');
    fields.resize(kGameFieldCount);
    Pending.NewGameImage.clear();
    Pending.MoreImages.clear();
    Pending.Skipped.clear();
    Pending.Edited = EditedGame{selected, row};
    StartChain(fields[kGameName], std::max(RendererPosition(fields[kGameRendererType]), 0));
}

void SettingsForm::StartChain(const std::string& name, int renderer) {
    Pending.NewGameName = name;
    Pending.NewGameDriveKey = std::string();
    Pending.ExitKeyCapture = false;
    Pending.StartRenderer = renderer;
    windows_.ShowKeyBox();
}

void SettingsForm::cmdDelete_Click() {
    const int selected = view_.SelectedGameRow();
    if (selected >= 0) {
        view_.RemoveGameRow(selected);
    }
}

void SettingsForm::cmdExit_Click() {
    Pending.ExitKeyCapture = true;
    windows_.ShowKeyBox();
}

void SettingsForm::cmdPad_Click() {
    windows_.ShowPadBox(view_.Values().Pad(kPadExitOption), [this](const PadCombination& chosen) {
        // Once the Settings window is closed its edits are gone; so is the choice.
        if (SettingsView* settings = windows_.Settings()) {
            SettingsValues values = settings->Values();
            values.Pad(kPadExitOption) = chosen;
            settings->SetValues(values);
        }
    });
}

bool SettingsForm::ExitKeyConfirmed() {
    const std::string question = ExitKeyQuestion(view_.Values().Text(kExitKeyOption));
    return question.empty() || windows_.Ask(question, false) == Reply::kYes;
}

bool SettingsForm::FileConfirmed() {
    const std::string path = ProgramFile(kConfigFileName);
    std::string bytes;
    try {
        bytes = ActiveFileSystem().ReadAll(path);
    } catch (const FatalError& error) {
        windows_.Tell("Nothing was saved: " + error.description() +
                      " The window keeps your edits; save again once the file is back.");
        return false;
    }
    if (bytes == loaded_) {
        return true;
    }
    const Reply reply = windows_.Ask(
        path +
            " was changed by another program since this window loaded it.\n\n"
            "Yes: save this window's games and options over it.\n"
            "No: load the file as it is now into this window, dropping this window's changes, "
            "and save nothing.\n"
            "Cancel: go back to the window and save nothing.",
        true);
    if (reply == Reply::kNo) {
        try {
            Show(bytes);
        } catch (const FatalError& error) {
            windows_.ShowError(error);
        }
    }
    return reply == Reply::kYes;
}

bool SettingsForm::Save() {
    if (!ExitKeyConfirmed() || !FileConfirmed()) {
        return false;
    }
    try {
        StoreSettingsAndSave(view_);
        return true;
    } catch (const FatalError& error) {
        windows_.ShowError(error);
        return false;
    }
}

void SettingsForm::cmdOk_Click() {
    if (Save()) {
        windows_.EndProgram();
    }
}

void SettingsForm::cmdTest_Click() {
    const int selected = view_.SelectedGameRow();
    if (selected < 0) {
        return;
    }
    if (!Save()) {
        return;
    }
    // An Add Game or Edit Game under way is given up with the window: its dialogs would stay
    // behind the game, and the launcher's windows handle their messages while
    // it closes the emulator.
    windows_.CloseKeyBox();
    windows_.CloseRenderer();
    windows_.ClosePadBox();
    windows_.HideSettings();
    windows_.ShowLaunchForm(SplitGameRow(view_.GameRow(selected)).front());
}

}  // namespace zent
