#include "settings/settings_layout.h"

#include <array>

namespace zent {

namespace {

using enum ControlKind;

constexpr std::array kSettingsControls = {
    ControlPlacement{kCmdOk, PushButton, "&Save and Exit", 120, 4560, 3135, 375},
    ControlPlacement{kCmdExit, PushButton, "Redefine", 1680, 2985, 885, 315},
    ControlPlacement{kTxtExitKey, TextBox, "", 840, 3000, 735, 285},
    ControlPlacement{kLabel8, Label, "Exit Key", 120, 3000, 1215, 495},
    ControlPlacement{kLstGames, ListBox, "", 120, 240, 3495, 2205},
    ControlPlacement{kCmdAdd, PushButton, "Add Game", 120, 2520, 975, 375},
    ControlPlacement{kCmdDelete, PushButton, "Delete Game", 1200, 2520, 1215, 375},
    ControlPlacement{kCmdTest, PushButton, "Test Game", 2520, 2520, 1095, 375},
    ControlPlacement{kTxtCpu, TextBox, "100", 1080, 3360, 495, 285},
    ControlPlacement{kLabel1, Label, "%", 1620, 3405, 120, 195},
    ControlPlacement{kLabel2, Label, "Cpu Speed", 120, 3435, 795, 195},
    ControlPlacement{kChkFps, CheckBox, "Show Fps", 120, 4080, 1455, 255},
    ControlPlacement{kChkPriority, CheckBox, "High Priority", 120, 3720, 1455, 255},
};

constexpr std::array kKeyBoxControls = {
    ControlPlacement{kLblKey, Label, "", 120, 120, 4410, 1455},
};

constexpr std::array kRendererControls = {
    ControlPlacement{kCmbRenderer, DropDownList, "", 120, 120, 4455, 315},
    ControlPlacement{kRendererCmdOk, PushButton, "Ok", 1680, 600, 1215, 255},
};

}  // namespace

const FormLayout& SettingsLayout() {
    static const FormLayout layout{"Settings", 3720, 4980, kSettingsControls};
    return layout;
}

const FormLayout& KeyBoxLayout() {
    static const FormLayout layout{"Press Any Key", 4605, 1665, kKeyBoxControls};
    return layout;
}

const FormLayout& RendererLayout() {
    static const FormLayout layout{"Select Renderer", 4680, 915, kRendererControls};
    return layout;
}

int TwipsToPixels(int twips, int dpi) {
    return (twips * dpi + 720) / 1440;
}

}  // namespace zent
