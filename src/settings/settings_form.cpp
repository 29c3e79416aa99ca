#include "settings/settings_form.h"

#include <limits>
#include <type_traits>

#include "settings/pending_game.h"
#include "startup/config_store.h"
#include "startup/fatal_error.h"
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
    LoadConfig();
    view_.SetValues(ShownOptions());
    for (int i = 0; i < Config.GameCount; ++i) {
        view_.AppendGameRow(JoinGameRow(Config.GameTable.at(static_cast<std::size_t>(i))));
    }
}

void SettingsForm::cmdAdd_Click() {
    const std::string path = windows_.ChooseFile();
    if (path.empty()) {
        return;
    }
    const std::string name = GameNameFromPath(path);
    if (name.empty()) {
        windows_.Tell("The image file " + path +
                      " gives no game name: a game's name is the part of the file name before "
                      "its first dot, without the blanks around it. Rename the image file so "
                      "that it has a name before its first dot, and add it again. No game was "
                      "added.");
        return;
    }
    // The name goes into zentconfig.ini, which is ANSI text: a name the code
    // page cannot hold would be stored as "?" marks, and two such games would
    // share one name.
    if (!FitsAnsi(name)) {
        windows_.Tell("The game's name " + Quoted(name) + " (from " + path +
                      ") cannot be stored in zentconfig.ini: that file holds ANSI text, and "
                      "this system's ANSI code page has no place for some of its characters. "
                      "Rename the image file with letters of the system's language, or Latin "
                      "letters and digits, and add it again. No game was added.");
        return;
    }
    Pending.NewGameName = name;
    Pending.NewGameDriveKey = std::string();
    Pending.ExitKeyCapture = false;
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

bool SettingsForm::Save() {
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
    // An Add Game under way is given up with the window: its dialogs would stay
    // behind the game, and the launcher's windows handle their messages while
    // it closes the emulator.
    windows_.CloseKeyBox();
    windows_.CloseRenderer();
    windows_.ClosePadBox();
    windows_.HideSettings();
    windows_.ShowLaunchForm(SplitGameRow(view_.GameRow(selected)).front());
}

}  // namespace zent
