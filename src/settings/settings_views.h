#pragma once
// What the settings forms need from the window system, so that their decisions
// run in plain code: each form talks to its controls through a view, and all of
// them open, close and find each other through SettingsWindows.

#include <array>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "startup/config_store.h"
#include "startup/fatal_error.h"

namespace zent {

// What the option controls of the Settings window show, one entry per global
// option: a text box's text, a check box's tick (only a ticked box counts, a
// greyed one does not), the pad exit's combination, the display chosen in the
// list, nothing for an option without a control. As a dialog's struct, it is
// copied into the controls when the window opens and read back from them when
// it saves.
struct SettingsValues {
    using Shown = std::variant<std::monostate, std::string, bool, PadCombination, DisplayChoice>;
    std::array<Shown, kGlobalOptionCount> options;

    std::string& Text(GlobalOptionId option) { return std::get<std::string>(options[option]); }
    bool& Ticked(GlobalOptionId option) { return std::get<bool>(options[option]); }
    PadCombination& Pad(GlobalOptionId option) { return std::get<PadCombination>(options[option]); }
};

// The controls of the Settings window.
class SettingsView {
public:
    virtual ~SettingsView() = default;
    virtual SettingsValues Values() const = 0;
    virtual void SetValues(const SettingsValues& values) = 0;

    // The name of the key a launch will use, beside the exit-key box.
    virtual void SetExitKeyName(const std::string& name) = 0;

    virtual int GameRowCount() const = 0;
    virtual std::string GameRow(int index) const = 0;
    // Replaces every row; afterwards no row is selected.
    virtual void SetGameRows(const std::vector<std::string>& rows) = 0;
    virtual void AppendGameRow(const std::string& row) = 0;
    virtual void ReplaceGameRow(int index, const std::string& row) = 0;
    // -1 when no row is selected.
    virtual int SelectedGameRow() const = 0;
    // Removes the row; afterwards no row is selected.
    virtual void RemoveGameRow(int index) = 0;
};

// The label of the key capture dialog.
class KeyBoxView {
public:
    virtual ~KeyBoxView() = default;
    virtual void SetPrompt(const std::string& text) = 0;
};

// The renderer list of the renderer dialog.
class RendererView {
public:
    virtual ~RendererView() = default;
    virtual int SelectedRenderer() const = 0;
    virtual void SelectRenderer(int position) = 0;
};

// A question's answer; Cancel only where the question offers it.
enum class Reply { kYes, kNo, kCancel };

class SettingsWindows {
public:
    virtual ~SettingsWindows() = default;
    // The Settings window's controls; null once the user has closed the window.
    virtual SettingsView* Settings() = 0;
    // The open-file dialog, which takes several files at once: the full paths
    // chosen, in the dialog's order; none on cancel.
    virtual std::vector<std::string> ChooseFiles() = 0;
    // Loads the key capture dialog, or brings the open one to the front with
    // the prompt of the mode the opener has just set.
    virtual void ShowKeyBox() = 0;
    virtual void CloseKeyBox() = 0;
    // The pad capture dialog, modeless over the Settings window; chosen gets
    // the combination the player held, unless the dialog was cancelled.
    virtual void ShowPadBox(const PadCombination& current,
                            std::function<void(const PadCombination&)> chosen) = 0;
    // Closes it without an answer.
    virtual void ClosePadBox() = 0;
    // Showing the open renderer dialog only brings it to the front.
    virtual void ShowRenderer() = 0;
    virtual void CloseRenderer() = 0;
    // A modal question with Yes (the default) and No, over the renderer dialog.
    virtual bool AskYesNo(const std::string& title, const std::string& question) = 0;
    // A modal question titled "Zentavio Wrapper" over the Settings window, with
    // Yes and No, and Cancel when withCancel.
    virtual Reply Ask(const std::string& question, bool withCancel) = 0;
    // A modal notice with OK, titled "Zentavio Wrapper", over the Settings window.
    virtual void Tell(const std::string& message) = 0;
    // The fatal error stop's box, over the Settings window, for a failure the
    // window outlives: it returns when the player dismisses it.
    virtual void ShowError(const FatalError& error) = 0;
    virtual void HideSettings() = 0;
    // Runs the launch of gameName, as a call with its image would.
    virtual void ShowLaunchForm(const std::string& gameName) = 0;
    [[noreturn]] virtual void EndProgram() = 0;
};

}  // namespace zent
