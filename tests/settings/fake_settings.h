#pragma once
// Fakes that keep the state of the settings forms' controls and windows, and an
// in-memory disk, so tests assert what the user would see and what was written.

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "memory_file_system.h"
#include "settings/key_box.h"
#include "settings/settings_views.h"

namespace zent::testing {

class FakeSettingsView : public SettingsView {
public:
    SettingsValues values;
    std::string exitKeyName;
    std::vector<std::string> rows;
    int selected = -1;

    std::string& Text(GlobalOptionId option) { return values.Text(option); }
    bool& Ticked(GlobalOptionId option) { return values.Ticked(option); }

    SettingsValues Values() const override { return values; }
    void SetValues(const SettingsValues& shown) override { values = shown; }
    void SetExitKeyName(const std::string& name) override { exitKeyName = name; }
    int GameRowCount() const override { return static_cast<int>(rows.size()); }
    std::string GameRow(int index) const override {
        return rows.at(static_cast<std::size_t>(index));
    }
    void SetGameRows(const std::vector<std::string>& shown) override {
        rows = shown;
        selected = -1;
    }
    void AppendGameRow(const std::string& row) override { rows.push_back(row); }
    void ReplaceGameRow(int index, const std::string& row) override {
        rows.at(static_cast<std::size_t>(index)) = row;
    }
    int SelectedGameRow() const override { return selected; }
    void RemoveGameRow(int index) override;
};

class FakeKeyBoxView : public KeyBoxView {
public:
    std::string prompt;
    void SetPrompt(const std::string& text) override { prompt = text; }
};

class FakeRendererView : public RendererView {
public:
    int selected = -1;
    int SelectedRenderer() const override { return selected; }
    void SelectRenderer(int position) override { selected = position; }
};

struct ProgramEnded : std::runtime_error {
    ProgramEnded() : std::runtime_error("program ended") {}
};

// Which windows are open, and every step in order, file writes included.
class FakeWindows : public SettingsWindows {
public:
    explicit FakeWindows(FakeSettingsView* settings, MemoryFileSystem* disk = nullptr)
        : settings_(settings), disk_(disk) {}

    bool settingsOpen = true, settingsVisible = true, keyBoxOpen = false, rendererOpen = false,
         padBoxOpen = false;
    std::vector<std::string> chosenFiles;
    // Consumed one per question; No when none is left, as the options a test's
    // game rows do not name are False.
    std::vector<bool> answers;
    std::function<void(const std::string& question)> duringQuestion;
    std::vector<std::string> questions;
    // The answers to the Settings window's own questions, one per question; No
    // when none is left, or Cancel where it is offered.
    std::vector<Reply> replies;
    std::vector<std::string> notices;
    std::vector<FatalError> errors;
    // The pad capture dialog's combination when opened, and where its choice goes.
    PadCombination padBoxCurrent;
    std::function<void(const PadCombination&)> padChosen;
    // The key capture dialog these windows load and show again, as Windows does.
    KeyBoxForm* keyBox = nullptr;
    std::vector<std::string> events;

    SettingsView* Settings() override { return settingsOpen ? settings_ : nullptr; }
    std::vector<std::string> ChooseFiles() override;
    void ShowKeyBox() override;
    void CloseKeyBox() override;
    void ShowPadBox(const PadCombination& current,
                    std::function<void(const PadCombination&)> chosen) override;
    void ShowRenderer() override;
    void ClosePadBox() override;
    void CloseRenderer() override;
    bool AskYesNo(const std::string& title, const std::string& question) override;
    Reply Ask(const std::string& question, bool withCancel) override;
    void Tell(const std::string& message) override;
    void ShowError(const FatalError& error) override;
    void HideSettings() override;
    void ShowLaunchForm(const std::string& gameName) override { Log("ShowLaunchForm " + gameName); }
    [[noreturn]] void EndProgram() override;

    int keyBoxLoads = 0, rendererLoads = 0;

private:
    void Log(const std::string& event);
    FakeSettingsView* settings_;
    MemoryFileSystem* disk_;
};

}  // namespace zent::testing
