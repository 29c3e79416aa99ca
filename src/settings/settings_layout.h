#pragma once
// The three settings forms as data: caption, client size and controls, in twips
// (1440 to the logical inch), each form's controls listed in tab order. The
// window code scales them through the window's DPI; the test driver finds the
// controls by these identifiers.

#include <span>

namespace zent {

enum class ControlKind { PushButton, TextBox, Label, ListBox, CheckBox, DropDownList };

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
    kTxtExitKey,
    kLabel8,
    kLstGames,
    kCmdAdd,
    kCmdDelete,
    kCmdTest,
    kTxtCpu,
    kLabel1,
    kLabel2,
    kChkFps,
    kChkPriority,
};

enum KeyBoxControlId : int { kLblKey = 200 };

enum RendererControlId : int { kCmbRenderer = 300, kRendererCmdOk };

const FormLayout& SettingsLayout();
const FormLayout& KeyBoxLayout();
const FormLayout& RendererLayout();

// Twips to pixels at the given DPI, rounded to the nearest pixel.
int TwipsToPixels(int twips, int dpi);

}  // namespace zent
