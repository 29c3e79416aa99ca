#pragma once
// The three settings forms as data: caption, client size and controls, in twips
// (1440 to the logical inch), each form's controls listed in tab order. The
// window code scales them through the window's DPI; the test driver finds the
// controls by these identifiers.

#include <cstddef>
#include <span>

#include "startup/config_store.h"

namespace zent {

enum class ControlKind {
    PushButton,
    // The button Enter presses wherever the focus is (but on another button).
    DefaultPushButton,
    TextBox,
    ReadOnlyTextBox,
    Label,
    // Drawn by the form: its rows in columns.
    ListBox,
    // The titles above a list's columns, drawn by the form.
    ColumnHeader,
    CheckBox,
    DropDownList
};

struct ControlPlacement {
    int id;
    ControlKind kind;
    const char* text;
    int left, top, width, height;
};

struct FormLayout {
    const char* caption;
    int clientWidth, clientHeight;
    std::span<const ControlPlacement> controls;
};

enum SettingsControlId : int {
    kCmdOk = 100,
    kCmdExit,
    kLstGames,
    kCmdAdd,
    kCmdDelete,
    kCmdTest,
    kLabel1,
    kCmdEdit,
    kHdrGames,
    kLblExitKeyName,
};

// The controls of a global option, made from its row in the options table: its
// box (text box, check box, the display's drop-down list, or the pad exit's
// read-only box), the label with its caption, and the pad exit's "Change..."
// button.
enum OptionControlPart : int { kOptionBox, kOptionLabel, kOptionButton };

constexpr int OptionControlId(std::size_t option, OptionControlPart part = kOptionBox) {
    return 120 + 3 * static_cast<int>(option) + part;
}

inline constexpr int kTxtExitKey = OptionControlId(kExitKeyOption);
inline constexpr int kTxtCpu = OptionControlId(kCpuSpeedOption);
inline constexpr int kChkFps = OptionControlId(kShowFpsOption);
inline constexpr int kChkPriority = OptionControlId(kHighPriorityOption);
inline constexpr int kTxtPad = OptionControlId(kPadExitOption);
inline constexpr int kCmdPad = OptionControlId(kPadExitOption, kOptionButton);
inline constexpr int kCmbDisplay = OptionControlId(kDisplayOption);

enum KeyBoxControlId : int { kLblKey = 200 };

enum RendererControlId : int { kCmbRenderer = 300, kRendererCmdOk };

const FormLayout& SettingsLayout();
const FormLayout& KeyBoxLayout();
const FormLayout& RendererLayout();

// Twips to pixels at the given DPI, rounded to the nearest pixel.
int TwipsToPixels(int twips, int dpi);

}  // namespace zent
