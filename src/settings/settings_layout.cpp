#include "settings/settings_layout.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <variant>
#include <vector>

namespace zent {

namespace {

using enum ControlKind;

// The Settings window's controls besides the options', with their tab indices.
struct TabbedPlacement {
    int tabIndex;
    ControlPlacement control;
};

constexpr TabbedPlacement kSettingsControls[] = {
    {0, {kCmdOk, PushButton, "&Save and Exit", 120, 5340, 3135, 375}},
    {1, {kCmdExit, PushButton, "Redefine", 1680, 2985, 885, 315}},
    {3, {kLblExitKeyName, Label, "", 2640, 3015, 2055, 255}},
    {4, {kHdrGames, ColumnHeader, "", 120, 240, 4575, 285}},
    {4, {kLstGames, ListBox, "", 120, 525, 4575, 1920}},
    {5, {kCmdAdd, PushButton, "Add Game", 120, 2520, 975, 375}},
    {5, {kCmdEdit, PushButton, "Edit Game", 1200, 2520, 975, 375}},
    {6, {kCmdDelete, PushButton, "Delete Game", 2280, 2520, 1215, 375}},
    {7, {kCmdTest, PushButton, "Test Game", 3600, 2520, 1095, 375}},
    {9, {kLabel1, Label, "%", 1620, 3405, 120, 195}},
};

// The fixed controls and those of the options table, in tab order.
std::vector<ControlPlacement> SettingsControls() {
    std::vector<TabbedPlacement> tabbed(std::begin(kSettingsControls), std::end(kSettingsControls));
    for (std::size_t id = 0; id < kGlobalOptionCount; ++id) {
        const GlobalOption& option = GlobalOptions()[id];
        const OptionControl& c = option.control;
        if (c.caption == nullptr) {
            continue;
        }
        const bool checkBox = std::holds_alternative<bool Configuration::*>(option.value);
        const bool pad = std::holds_alternative<PadCombination Configuration::*>(option.value);
        const bool list = std::holds_alternative<DisplayChoice Configuration::*>(option.value);
        const ControlKind box = checkBox ? CheckBox
                                : pad    ? ReadOnlyTextBox
                                : list   ? DropDownList
                                         : TextBox;
        tabbed.push_back({c.tabIndex,
                          {OptionControlId(id), box, checkBox ? c.caption : "", c.left, c.top,
                           c.width, c.height}});
        if (!checkBox) {
            tabbed.push_back({c.tabIndex,
                              {OptionControlId(id, kOptionLabel), Label, c.caption, 120, c.labelTop,
                               c.labelWidth, c.labelHeight}});
        }
        // Beside the box, as Redefine is beside the exit key's.
        if (pad) {
            tabbed.push_back({c.tabIndex,
                              {OptionControlId(id, kOptionButton), PushButton, "Change...",
                               c.left + c.width + 75, c.top - 15, 885, 315}});
        }
    }
    std::stable_sort(tabbed.begin(), tabbed.end(),
                     [](const auto& a, const auto& b) { return a.tabIndex < b.tabIndex; });
    std::vector<ControlPlacement> controls;
    for (const TabbedPlacement& placed : tabbed) {
        controls.push_back(placed.control);
    }
    return controls;
}

constexpr std::array kKeyBoxControls = {
    ControlPlacement{kLblKey, Label, "", 120, 120, 4410, 1455},
};

constexpr std::array kRendererControls = {
    ControlPlacement{kCmbRenderer, DropDownList, "", 120, 120, 4455, 315},
    ControlPlacement{kRendererCmdOk, DefaultPushButton, "Ok", 1680, 600, 1215, 255},
};

}  // namespace

const FormLayout& SettingsLayout() {
    static const std::vector<ControlPlacement> controls = SettingsControls();
    static const FormLayout layout{"Settings", 4815, 5760, controls};
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
